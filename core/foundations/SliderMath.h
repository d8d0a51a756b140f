#pragma once

#include "Conversions.h"
#include "EngineHost.h"
#include "ParameterTable.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace kelvane {

// The hot-temperature slider has its minimum at the top: its position is
// 1000 - the temperature, in 64 bits so that a temperature of -2147483648 does
// not overflow; the window clamps the position to the slider's range.
inline int HotTempSliderPosition(long long hotTemp) {
    return static_cast<int>(std::min<long long>(1000LL - hotTemp, INT_MAX));
}

// The temperature a slider position stands for.
inline long long HotTempFromSlider(int position) {
    return 1000LL - position;
}

// A field's text as a whole number; nothing when it is not one.
inline std::optional<int> WholeNumberOf(EngineHost& host, Field field) {
    int value = 0;
    if (!TryStrToInt(host.FieldText(field), value))
        return std::nullopt;
    return value;
}

// Where the hot-temperature slider stands for the text of its field.
inline std::optional<int> HotTempSliderPositionOf(EngineHost& host) {
    std::optional<int> hot = WholeNumberOf(host, Field::HotTemp);
    if (!hot)
        return std::nullopt;
    return HotTempSliderPosition(*hot);
}

// Moves the hot-temperature and phase-offset sliders to the texts just read;
// a text that is not a whole number throws EConvertError, the hot slider
// having moved already when the offset is the bad one.
inline void FollowHotTempAndPhaseOffset(EngineHost& host,
                                        const ParameterTable::TrackBarSetter& setTrackBar) {
    const int hot = HotTempSliderPosition(StrToInt(host.FieldText(Field::HotTemp)));
    if (setTrackBar)
        setTrackBar(TrackBar::HotTempTB, hot);
    const int offset = StrToInt(host.FieldText(Field::PhaseOffset));
    if (setTrackBar)
        setTrackBar(TrackBar::PhaseOffsetTB, offset);
}

} // namespace kelvane
