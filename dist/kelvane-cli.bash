# bash completion for kelvane-cli: engines, options, the chosen engine's
# field and series names, and file names where an option takes a file.
# The lists are checked against kelvane-cli by tests/dist.

_kelvane_cli_fields() {
    case $1 in
    gamma) echo HotTemp ColdTemp DispCylHeight DispCylDiameter DispHeight PistonDiameter \
        PistonThrow PhaseOffset Phase ;;
    ringbom) echo HotTemp ColdTemp DispCylHeight DispCylDiameter DispHeight DPistonDiameter \
        PistonDiameter PistonThrow StripChartCB AllDataCB Phase ;;
    rider) echo HotTemp HotStrokeMin HotStrokeMax ColdTemp ColdStrokeMin ColdStrokeMax \
        PhaseOffset Phase ;;
    beta) echo Bore DisplacerStroke PistonStroke PhaseAngle HotTemp HotDeadVolume \
        RegeneratorVolume ColdTemp ColdDeadVolume MeanPressure Speed Phase ;;
    esac
}

# The fields that take Y or N.
_kelvane_cli_check_boxes() {
    case $1 in
    ringbom) echo StripChartCB AllDataCB ;;
    esac
}

# The fields --sweep takes.
_kelvane_cli_sweep_fields() {
    case $1 in
    gamma) echo DispCylHeight DispCylDiameter DispHeight PistonThrow PistonDiameter PhaseOffset ;;
    rider) echo HotTemp ColdTemp HotStrokeMin HotStrokeMax ColdStrokeMin ColdStrokeMax \
        PhaseOffset ;;
    beta) echo HotTemp ColdTemp Bore DisplacerStroke PistonStroke PhaseAngle HotDeadVolume \
        RegeneratorVolume ColdDeadVolume MeanPressure Speed ;;
    esac
}

# Series of one engine's charts; "gamma-sweep", "rider-sweep" and "beta-sweep"
# for the net-work graph window's after --sweep.
_kelvane_cli_series() {
    case $1 in
    gamma) echo ColdTempSeries ColdVolSeries DisplacerSeries HotTempSeries HotVolSeries \
        MeanPressureSeries NColdSeries NHotSeries PVSeries PhaseSeries1 PhaseSeries2 \
        PhaseSeries3 PhaseSeries4 PhaseSeries5 PistonSeries PressureSeries \
        TotalVolSeries WorkSeries ;;
    gamma-sweep | rider-sweep | beta-sweep) echo WorkSeries MinVolSeries MeanVolSeries MaxVolSeries \
        MinPressureSeries MeanPressureSeries MaxPressureSeries MaxTempSeries MinTempSeries \
        TempRatioSeries ;;
    ringbom) echo ColdTempSeries ColdVolSeries DisplacerSeries HiMeanPressureSeries HotTempSeries \
        HotVolSeries LoMeanPressureSeries MeanPressureSeries MeanWorkSeries NColdSeries \
        NHotSeries PVPhaseSeries PVSeries PhaseSeries1 PhaseSeries2 PhaseSeries3 \
        PhaseSeries4 PistonSeries PressureSeries TotalVolSeries WorkSeries ;;
    rider) echo LineSeries1 LineSeries2 LineSeries5 LineSeries6 LineSeries9 LineSeries10 \
        PVSeries Series1 Series2 Series3 Series4 Series5 Series6 Series7 Series8 Series9 \
        Series10 Series11 ;;
    beta) echo ColdMassSeries ColdVolSeries CompressionWorkSeries DisplacerSeries \
        ExpansionWorkSeries HotMassSeries HotVolSeries MeanPressureSeries PVSeries \
        PhaseSeries1 PhaseSeries2 PhaseSeries3 PhaseSeries4 PhaseSeries5 PistonSeries \
        PressureSeries RegenMassSeries TotalVolSeries WorkSeries ;;
    esac
}

# The options an engine takes.
_kelvane_cli_options() {
    local common="--par --set --save-par --at --grid --series --csv --picture --size"
    case $1 in
    gamma) echo "$common --calc --sweep --memo" ;;
    ringbom) echo "$common --steps" ;;
    rider) echo "$common --calc --sweep --memo" ;;
    beta) echo "$common --calc --sweep --memo" ;;
    esac
}

_kelvane_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    if [[ $COMP_CWORD -eq 1 ]]; then
        mapfile -t COMPREPLY < <(compgen -W "gamma ringbom rider beta --help --version" -- "$cur")
        return
    fi

    local engine=${COMP_WORDS[1]} swept="" word
    for word in "${COMP_WORDS[@]:2:COMP_CWORD-2}"; do
        [[ $word == --sweep ]] && swept=-sweep
    done

    # A field's value. Bash splits "--set NAME=TEXT" at "=" unless "=" was
    # taken out of COMP_WORDBREAKS: the words are then NAME, "=" and TEXT.
    local name="" value=""
    if [[ $cur == = && ${COMP_WORDS[COMP_CWORD - 2]} == --set ]]; then
        name=$prev
    elif [[ $prev == = && ${COMP_WORDS[COMP_CWORD - 3]} == --set ]]; then
        name=${COMP_WORDS[COMP_CWORD - 2]} value=$cur
    fi
    if [[ -n $name ]]; then
        if [[ " $(_kelvane_cli_check_boxes "$engine") " == *" $name "* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "Y N" -- "$value")
        fi
        return
    fi

    case $prev in
    --par | --save-par | --picture)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --csv)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --calc | --steps | --at | --size)
        return
        ;;
    --sweep)
        mapfile -t COMPREPLY < <(compgen -W "$(_kelvane_cli_sweep_fields "$engine")" -- "$cur")
        return
        ;;
    --series)
        mapfile -t COMPREPLY < <(compgen -W "$(_kelvane_cli_series "$engine$swept")" -- "$cur")
        return
        ;;
    --set)
        if [[ $cur == *=* ]]; then
            name=${cur%%=*}
            if [[ " $(_kelvane_cli_check_boxes "$engine") " == *" $name "* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "$name=Y $name=N" -- "$cur")
            fi
        else
            compopt -o nospace 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -S = -W "$(_kelvane_cli_fields "$engine")" -- "$cur")
        fi
        return
        ;;
    esac

    mapfile -t COMPREPLY < <(compgen -W "$(_kelvane_cli_options "$engine")" -- "$cur")
}

complete -F _kelvane_cli kelvane-cli
