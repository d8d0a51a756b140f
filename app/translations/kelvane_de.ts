<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChartExport</name>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ChartHold</name>
    <message>
        <source>Hol&amp;d</source>
        <translation>Fi&amp;xieren</translation>
    </message>
    <message>
        <source>Keep the curves as they are now on every chart, faint and dashed, to compare a change with them</source>
        <translation>Die Kurven aller Diagramme so, wie sie jetzt sind, blass und gestrichelt behalten, um eine Änderung mit ihnen zu vergleichen</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>(and %1 more)</source>
        <translation>(und %1 weitere)</translation>
    </message>
    <message>
        <source>Input problem: %1</source>
        <translation>Eingabeproblem: %1</translation>
    </message>
</context>
<context>
    <name>FrameFiles</name>
    <message>
        <source>The file %1 cannot be read: %2.
Nothing was loaded.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.
Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>Nothing was loaded.</source>
        <translation>Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The file %1 holds values that cannot be used; their boxes are marked:</source>
        <translation>Die Datei %1 enthält unbrauchbare Werte; ihre Felder sind markiert:</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>FrameWidgets</name>
    <message>
        <source>%1 slider</source>
        <translation>%1, Schieberegler</translation>
    </message>
    <message>
        <source>%1 up-down</source>
        <translation>%1, Auf/Ab</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Kelvane</name>
    <message>
        <source>&quot;Cold&quot; Temp</source>
        <translation>Temp. „kalt“</translation>
    </message>
    <message>
        <source>&quot;Hot&quot; Temp</source>
        <translation>Temp. „heiß“</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>L&amp;os</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation>&amp;Gamma</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>Sta&amp;rt</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Rider</source>
        <translation>&amp;Rider</translation>
    </message>
    <message>
        <source>(Normalized) Positions</source>
        <translation>Positionen (normiert)</translation>
    </message>
    <message>
        <source>(Normalized) Volume and Pressure</source>
        <translation>Volumen und Druck (normiert)</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>B&amp;eta</source>
        <translation>B&amp;eta</translation>
    </message>
    <message>
        <source>Beta Stirling Engine Simulator</source>
        <translation>Simulator des Beta-Stirlingmotors</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Bohrung</translation>
    </message>
    <message>
        <source>Click the Help button!</source>
        <translation>Siehe Hilfe!</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kalt</translation>
    </message>
    <message>
        <source>Cold Dead Volume</source>
        <translation>Totvolumen kalt</translation>
    </message>
    <message>
        <source>Cold N %</source>
        <translation>N kalt %</translation>
    </message>
    <message>
        <source>Cold Piston</source>
        <translation>Kalter Kolben</translation>
    </message>
    <message>
        <source>Cold Posn</source>
        <translation>Pos. kalt</translation>
    </message>
    <message>
        <source>Cold Push Rod</source>
        <translation>Schubstange kalt</translation>
    </message>
    <message>
        <source>Cold Stroke Maximum</source>
        <translation>Hub kalt max.</translation>
    </message>
    <message>
        <source>Cold Stroke Minimum</source>
        <translation>Hub kalt min.</translation>
    </message>
    <message>
        <source>Cold Temperature</source>
        <translation>Temperatur kalt</translation>
    </message>
    <message>
        <source>Cold Vol</source>
        <translation>Vol. kalt</translation>
    </message>
    <message>
        <source>Cold Vol cm3</source>
        <translation>Vol. kalt cm3</translation>
    </message>
    <message>
        <source>Cold Volume</source>
        <translation>Volumen kalt</translation>
    </message>
    <message>
        <source>Cold dead volume</source>
        <translation>Totvolumen kalt</translation>
    </message>
    <message>
        <source>Cold stroke maximum</source>
        <translation>Größter Hub kalt</translation>
    </message>
    <message>
        <source>Cold stroke minimum</source>
        <translation>Kleinster Hub kalt</translation>
    </message>
    <message>
        <source>Cold temperature</source>
        <translation>Temperatur kalt</translation>
    </message>
    <message>
        <source>Comp Work J</source>
        <translation>Verd.-Arbeit J</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Verdichtung</translation>
    </message>
    <message>
        <source>Crank</source>
        <translation>Kurbel</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Kurbelwinkel</translation>
    </message>
    <message>
        <source>Curr Pressure</source>
        <translation>Akt. Druck</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Disp Posn</source>
        <translation>Pos. Verdr.</translation>
    </message>
    <message>
        <source>Disp Posn mm</source>
        <translation>Pos. Verdr. mm</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Verdränger</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter</source>
        <translation>Durchmesser Verdrängerzylinder</translation>
    </message>
    <message>
        <source>Displacer Cylinder Height</source>
        <translation>Höhe Verdrängerzylinder</translation>
    </message>
    <message>
        <source>Displacer Height</source>
        <translation>Höhe Verdränger</translation>
    </message>
    <message>
        <source>Displacer Stroke</source>
        <translation>Hub Verdränger</translation>
    </message>
    <message>
        <source>Displacer cylinder diameter</source>
        <translation>Durchmesser des Verdrängerzylinders</translation>
    </message>
    <message>
        <source>Displacer cylinder height</source>
        <translation>Höhe des Verdrängerzylinders</translation>
    </message>
    <message>
        <source>Displacer height</source>
        <translation>Höhe des Verdrängers</translation>
    </message>
    <message>
        <source>Displacer rod diameter</source>
        <translation>Durchmesser der Verdrängerstange</translation>
    </message>
    <message>
        <source>Displacer stroke</source>
        <translation>Hub des Verdrängers</translation>
    </message>
    <message>
        <source>Efficiency %</source>
        <translation>Wirkungsgrad %</translation>
    </message>
    <message>
        <source>Exp Work J</source>
        <translation>Exp.-Arbeit J</translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation>Expansion</translation>
    </message>
    <message>
        <source>Gamma Stirling Engine Simulator</source>
        <translation>Simulator des Gamma-Stirlingmotors</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas &quot;N&quot; %</source>
        <translation>Gas „N“ %</translation>
    </message>
    <message>
        <source>Gas Distribution</source>
        <translation>Gasverteilung</translation>
    </message>
    <message>
        <source>Gas Mass in Each Space (%)</source>
        <translation>Gasmasse in jedem Raum (%)</translation>
    </message>
    <message>
        <source>Gas Temperatures and  Distribution</source>
        <translation>Gastemperaturen und -verteilung</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Hi Mean Pressure</source>
        <translation>Hoher Mitteldruck</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Hot Dead Volume</source>
        <translation>Totvolumen heiß</translation>
    </message>
    <message>
        <source>Hot N %</source>
        <translation>N heiß %</translation>
    </message>
    <message>
        <source>Hot Piston</source>
        <translation>Heißer Kolben</translation>
    </message>
    <message>
        <source>Hot Posn</source>
        <translation>Pos. heiß</translation>
    </message>
    <message>
        <source>Hot Push Rod</source>
        <translation>Schubstange heiß</translation>
    </message>
    <message>
        <source>Hot Stroke Maximum</source>
        <translation>Hub heiß max.</translation>
    </message>
    <message>
        <source>Hot Stroke Minimum</source>
        <translation>Hub heiß min.</translation>
    </message>
    <message>
        <source>Hot Temperature</source>
        <translation>Temperatur heiß</translation>
    </message>
    <message>
        <source>Hot Vol</source>
        <translation>Vol. heiß</translation>
    </message>
    <message>
        <source>Hot Vol cm3</source>
        <translation>Vol. heiß cm3</translation>
    </message>
    <message>
        <source>Hot Volume</source>
        <translation>Volumen heiß</translation>
    </message>
    <message>
        <source>Hot dead volume</source>
        <translation>Totvolumen heiß</translation>
    </message>
    <message>
        <source>Hot stroke maximum</source>
        <translation>Größter Hub heiß</translation>
    </message>
    <message>
        <source>Hot stroke minimum</source>
        <translation>Kleinster Hub heiß</translation>
    </message>
    <message>
        <source>Hot temperature</source>
        <translation>Temperatur heiß</translation>
    </message>
    <message>
        <source>Hot/Cold N %</source>
        <translation>N heiß/kalt %</translation>
    </message>
    <message>
        <source>Lo Mean Pressure</source>
        <translation>Niedriger Mitteldruck</translation>
    </message>
    <message>
        <source>Max P kPa</source>
        <translation>P max. kPa</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Höchstdruck</translation>
    </message>
    <message>
        <source>Mean P kPa</source>
        <translation>P mittel kPa</translation>
    </message>
    <message>
        <source>Mean Pressure</source>
        <translation>Mitteldruck</translation>
    </message>
    <message>
        <source>Mean Work</source>
        <translation>Mittlere Arbeit</translation>
    </message>
    <message>
        <source>Mean pressure</source>
        <translation>Mitteldruck</translation>
    </message>
    <message>
        <source>Min P kPa</source>
        <translation>P min. kPa</translation>
    </message>
    <message>
        <source>N Cold</source>
        <translation>N kalt</translation>
    </message>
    <message>
        <source>N Hot</source>
        <translation>N heiß</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Net Work</source>
        <translation>Nutzarbeit</translation>
    </message>
    <message>
        <source>Net Work Graph</source>
        <translation>Diagramm der Nutzarbeit</translation>
    </message>
    <message>
        <source>Net Work J</source>
        <translation>Nutzarbeit J</translation>
    </message>
    <message>
        <source>Normalized</source>
        <translation>Normiert</translation>
    </message>
    <message>
        <source>Normalized Pressure/Volume</source>
        <translation>P/V normiert</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Phasenversatz</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Phase offset</source>
        <translation>Phasenversatz</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Kolben</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Kolbendurchmesser</translation>
    </message>
    <message>
        <source>Piston Position</source>
        <translation>Kolbenstellung</translation>
    </message>
    <message>
        <source>Piston Posn</source>
        <translation>Pos. Kolben</translation>
    </message>
    <message>
        <source>Piston Posn mm</source>
        <translation>Pos. Kolben mm</translation>
    </message>
    <message>
        <source>Piston Stroke</source>
        <translation>Kolbenhub</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Kurbelradius</translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation>Kolbendurchmesser</translation>
    </message>
    <message>
        <source>Piston stroke</source>
        <translation>Kolbenhub</translation>
    </message>
    <message>
        <source>Piston throw</source>
        <translation>Kurbelradius</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Positions (mm from the hot end&apos;s dead centre)</source>
        <translation>Positionen (mm vom heißen Totpunkt)</translation>
    </message>
    <message>
        <source>Power W</source>
        <translation>Leistung W</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Pressure (kPa)</source>
        <translation>Druck (kPa)</translation>
    </message>
    <message>
        <source>Pressure kPa</source>
        <translation>Druck kPa</translation>
    </message>
    <message>
        <source>Pressure/Volume (Click to move)</source>
        <translation>Druck/Volumen (Klicken zum Verschieben)</translation>
    </message>
    <message>
        <source>Pressures</source>
        <translation>Drücke</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>Regenerator</source>
        <translation>Regenerator</translation>
    </message>
    <message>
        <source>Regenerator Volume</source>
        <translation>Regeneratorvolumen</translation>
    </message>
    <message>
        <source>Regenerator volume</source>
        <translation>Regeneratorvolumen</translation>
    </message>
    <message>
        <source>Ring&amp;bom</source>
        <translation>Ring&amp;bom</translation>
    </message>
    <message>
        <source>Ringbom Simulator</source>
        <translation>Ringbom-Simulator</translation>
    </message>
    <message>
        <source>Ringbom Stirling Engine Simulator</source>
        <translation>Simulator des Ringbom-Stirlingmotors</translation>
    </message>
    <message>
        <source>S&amp;ingle</source>
        <translation>Ein&amp;zeln</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Schmidt W J</source>
        <translation>Schmidt W J</translation>
    </message>
    <message>
        <source>Sl&amp;ow</source>
        <translation>&amp;Ruhig</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Sum-Schmidt %</source>
        <translation>Summe-Schmidt %</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temp Ratio</source>
        <translation>Temp.-Verh.</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>Th Piston Th</source>
        <translation>Kurbelr. th.</translation>
    </message>
    <message>
        <source>Total Vol</source>
        <translation>Gesamtvol.</translation>
    </message>
    <message>
        <source>Total Vol cm3</source>
        <translation>Gesamtvol. cm3</translation>
    </message>
    <message>
        <source>Total Volume</source>
        <translation>Gesamtvolumen</translation>
    </message>
    <message>
        <source>Two Piston Net Work Graph</source>
        <translation>Nutzarbeit des Zweikolbenmotors</translation>
    </message>
    <message>
        <source>Two Piston Stirling Engine Simulator</source>
        <translation>Simulator des Zweikolben-Stirlingmotors</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume (cm3)</source>
        <translation>Volumen (cm3)</translation>
    </message>
    <message>
        <source>Volume and Pressure</source>
        <translation>Volumen und Druck</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumina</translation>
    </message>
    <message>
        <source>Volumes (cm3) and Pressure (kPa)</source>
        <translation>Volumina (cm3) und Druck (kPa)</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Work of Each Degree (J)</source>
        <translation>Arbeit je Grad (J)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>degrees C</source>
        <translation>Grad C</translation>
    </message>
    <message>
        <source>degrees F</source>
        <translation>Grad F</translation>
    </message>
    <message>
        <source>Cold stroke minimum must not be above the cold stroke maximum</source>
        <translation>Der kleinste kalte Hub darf nicht über dem größten liegen</translation>
    </message>
    <message>
        <source>Cold temperature must not be above the hot temperature</source>
        <translation>Die kalte Temperatur darf nicht über der heißen liegen</translation>
    </message>
    <message>
        <source>Displacer height must be less than the displacer cylinder height</source>
        <translation>Die Höhe des Verdrängers muss kleiner als die Höhe des Verdrängerzylinders sein</translation>
    </message>
    <message>
        <source>Displacer rod diameter must not be more than the displacer cylinder diameter</source>
        <translation>Der Durchmesser der Verdrängerstange darf nicht größer als der des Verdrängerzylinders sein</translation>
    </message>
    <message>
        <source>Hot stroke minimum must not be above the hot stroke maximum</source>
        <translation>Der kleinste heiße Hub darf nicht über dem größten liegen</translation>
    </message>
    <message>
        <source>MaxPressure</source>
        <translation>Druck max.</translation>
    </message>
    <message>
        <source>MaxTemp</source>
        <translation>Temp. max.</translation>
    </message>
    <message>
        <source>MaxVol</source>
        <translation>Vol. max.</translation>
    </message>
    <message>
        <source>MeanPressure</source>
        <translation>Druck mittel</translation>
    </message>
    <message>
        <source>MeanVol</source>
        <translation>Vol. mittel</translation>
    </message>
    <message>
        <source>MinPressure</source>
        <translation>Druck min.</translation>
    </message>
    <message>
        <source>MinTemp</source>
        <translation>Temp. min.</translation>
    </message>
    <message>
        <source>MinVol</source>
        <translation>Vol. min.</translation>
    </message>
    <message>
        <source>TempRatio</source>
        <translation>Temp.-Verh.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Vol Ratio</source>
        <translation>Vol.-Verh.</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>%1 must be %2 %3 or more</source>
        <translation>%1 muss mindestens %2 %3 betragen</translation>
    </message>
    <message>
        <source>%1 must be %2 or more</source>
        <translation>%1 muss mindestens %2 betragen</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be a whole number of %2</source>
        <translation>%1 muss eine ganze Zahl in %2 sein</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3</source>
        <translation>%1 muss zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3 %4</source>
        <translation>%1 muss zwischen %2 und %3 %4 liegen</translation>
    </message>
    <message>
        <source>%1 vs Net Work</source>
        <translation>Nutzarbeit über %1</translation>
    </message>
    <message>
        <source>%1 vs Pressure</source>
        <translation>Druck über %1</translation>
    </message>
    <message>
        <source>%1 vs Temperature</source>
        <translation>Temperatur über %1</translation>
    </message>
    <message>
        <source>%1 vs Volume</source>
        <translation>Volumen über %1</translation>
    </message>
    <message>
        <source>%1: use a point for decimals (a comma only groups thousands)</source>
        <translation>%1: Dezimalstellen mit Punkt schreiben (ein Komma trennt nur Tausender)</translation>
    </message>
    <message>
        <source>Bore (mm)= %1</source>
        <translation>Bohrung (mm) = %1</translation>
    </message>
    <message>
        <source>Cold (cm3)= %1</source>
        <translation>kalt (cm3) = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Max= %1</source>
        <translation>Hub kalt max. = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Min= %1</source>
        <translation>Hub kalt min. = %1</translation>
    </message>
    <message>
        <source>Dead Volume Hot (cm3)= %1</source>
        <translation>Totvolumen heiß (cm3) = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder  Height=  %1</source>
        <translation>Höhe Verdrängerzylinder = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter= %1</source>
        <translation>Durchmesser Verdrängerzylinder = %1</translation>
    </message>
    <message>
        <source>Displacer Height= %1</source>
        <translation>Höhe Verdränger = %1</translation>
    </message>
    <message>
        <source>Displacer Stroke (mm)= %1</source>
        <translation>Hub Verdränger (mm) = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Max= %1</source>
        <translation>Hub heiß max. = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Min= %1</source>
        <translation>Hub heiß min. = %1</translation>
    </message>
    <message>
        <source>Hot= %1</source>
        <translation>heiß = %1</translation>
    </message>
    <message>
        <source>Maximum Work of %1 occured at %2</source>
        <translation>Größte Arbeit %1 bei %2</translation>
    </message>
    <message>
        <source>Mean Pressure (kPa)= %1</source>
        <translation>Mitteldruck (kPa) = %1</translation>
    </message>
    <message>
        <source>Phase Angle (degrees)= %1</source>
        <translation>Phasenwinkel (Grad) = %1</translation>
    </message>
    <message>
        <source>Phase Offset= %1</source>
        <translation>Phasenversatz = %1</translation>
    </message>
    <message>
        <source>Piston Diameter= %1</source>
        <translation>Kolbendurchmesser = %1</translation>
    </message>
    <message>
        <source>Piston Stroke (mm)= %1</source>
        <translation>Kolbenhub (mm) = %1</translation>
    </message>
    <message>
        <source>Piston Throw= %1</source>
        <translation>Kurbelradius = %1</translation>
    </message>
    <message>
        <source>Regenerator Volume (cm3)= %1</source>
        <translation>Regeneratorvolumen (cm3) = %1</translation>
    </message>
    <message>
        <source>Speed (rpm)= %1</source>
        <translation>Drehzahl (U/min) = %1</translation>
    </message>
    <message>
        <source>Temp (C): Cold= %1</source>
        <translation>Temp. (C): kalt = %1</translation>
    </message>
    <message>
        <source>Temp: Cold= %1</source>
        <translation>Temp.: kalt = %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a parameter file of the %2: it holds none of its settings.</source>
        <translation>Die Datei „%1“ ist keine Parameterdatei des Fensters „%2“: Sie enthält keine seiner Einstellungen.</translation>
    </message>
    <message>
        <source>Vol = %1</source>
        <translation>Vol. = %1</translation>
    </message>
    <message>
        <source>Vol = %1 cm3</source>
        <translation>Vol. = %1 cm3</translation>
    </message>
    <message>
        <source>% of the gas</source>
        <translation>% des Gases</translation>
    </message>
    <message>
        <source>testing %1 through %2</source>
        <translation>Test von %1 bis %2</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>U/min</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Kelvane: Stirling engine simulators</source>
        <translation>Kelvane: Simulatoren für Stirlingmotoren</translation>
    </message>
    <message>
        <source>Two-piston</source>
        <translation>Zweikolben</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>Schieberegler: %1</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1: erhöhen</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: verringern</translation>
    </message>
    <message>
        <source>Double-click on a yellow box to sweep it (&quot;Super Graphs&quot;).</source>
        <translation>Doppelklick auf ein gelbes Feld ergibt eine Variation („Super-Diagramme“).</translation>
    </message>
    <message>
        <source>Print a one-page report</source>
        <translation>Einen Bericht auf einer Seite drucken</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>A link that opens this engine with these values</source>
        <translation>Ein Link, der diesen Motor mit diesen Werten öffnet</translation>
    </message>
    <message>
        <source>Link to this lesson</source>
        <translation>Link zu dieser Lektion</translation>
    </message>
    <message>
        <source>Copy the link from the box below the buttons.</source>
        <translation>Kopieren Sie den Link aus dem Feld unter den Schaltflächen.</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Not swept.</source>
        <translation>Keine Variation.</translation>
    </message>
    <message>
        <source>Sweeping…</source>
        <translation>Variation läuft…</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The link names no engine &quot;%1&quot;: showing the first.</source>
        <translation>Der Link nennt keinen Motor „%1“: Der erste wird gezeigt.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 is not a field of the %2: ignored.</source>
        <translation>%1 aus dem Link ist kein Feld von „%2“: ignoriert.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 are not fields of the %2: ignored.</source>
        <translation>%1 aus dem Link sind keine Felder von „%2“: ignoriert.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1: crank angle</source>
        <translation>%1: Kurbelwinkel</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Show the chart&apos;s numbers as a table</source>
        <translation>Die Zahlen des Diagramms als Tabelle zeigen</translation>
    </message>
    <message>
        <source>Save this chart as %1</source>
        <translation>Dieses Diagramm als %1 speichern</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, aufgetragen über %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1: niedrigster Wert %2 bei %3, höchster %4 bei %5, Mittelwert %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Noch keine Ergebnisse.</translation>
    </message>
    <message>
        <source>Loading the engines…</source>
        <translation>Die Motoren werden geladen…</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Stirling Parameters (*.PAR)</source>
        <translation>Stirling-Parameter (*.PAR)</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>Kein Drucker eingerichtet: in eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Work (pressure × volume units)</source>
        <translation>Arbeit (Einheiten Druck × Volumen)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Kennwerte</translation>
    </message>
</context>
<context>
    <name>SimulatorFrame</name>
    <message>
        <source>Print the current window contents</source>
        <translation>Den Inhalt des Fensters drucken</translation>
    </message>
    <message>
        <source>Documentation (such as it is)</source>
        <translation>Dokumentation (so gut es geht)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>T&amp;utor</source>
        <translation>&amp;Kurs</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;ichern</translation>
    </message>
    <message>
        <source>Save current set of parameters</source>
        <translation>Die aktuellen Parameter speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Load parameters from disk</source>
        <translation>Parameter aus einer Datei laden</translation>
    </message>
    <message>
        <source>Show P&amp;V</source>
        <translation>P&amp;V zeigen</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Kurs</translation>
    </message>
    <message>
        <source>Hide P&amp;V</source>
        <translation>P&amp;V ausblenden</translation>
    </message>
</context>
<context>
    <name>WidgetHost</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.
Kelvane starts with its default settings and leaves that file as it is.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: %2.
Kelvane startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Kelvane cannot save its settings to &quot;%1&quot;%2.
The window places and values of this session will not be kept.</source>
        <translation>Kelvane kann seine Einstellungen nicht in „%1“ speichern%2.
Fensterpositionen und Werte dieser Sitzung gehen verloren.</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartMenu</name>
    <message>
        <source>&amp;Copy Image</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Data...</source>
        <translation>&amp;Daten speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Bericht speichern...</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Descri&amp;be</source>
        <translation>B&amp;eschreiben</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, über %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1: kleinster Wert %2 bei %3, größter %4 bei %5, Mittel %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Noch keine Ergebnisse.</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Die Hilfeseiten sind auf Englisch.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>kelvane::SimulatorFrame</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Bericht speichern...</translation>
    </message>
    <message>
        <source>Engine picture</source>
        <translation>Bild der Maschine</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Kennwerte</translation>
    </message>
    <message>
        <source>Engine picture.</source>
        <translation>Bild der Maschine.</translation>
    </message>
</context>
<context>
    <name>kelvane::TBetaStirlingMainForm</name>
    <message>
        <source>Temp (C)</source>
        <translation>Temp. (C)</translation>
    </message>
    <message>
        <source>pm (kPa)</source>
        <translation>pm (kPa)</translation>
    </message>
    <message>
        <source>n (rpm)</source>
        <translation>n (U/min)</translation>
    </message>
    <message>
        <source>Bore (mm)</source>
        <translation>Bohrung (mm)</translation>
    </message>
    <message>
        <source>Disp stroke (mm)</source>
        <translation>Hub Verdr. (mm)</translation>
    </message>
    <message>
        <source>Piston stroke (mm)</source>
        <translation>Kolbenhub (mm)</translation>
    </message>
    <message>
        <source>Dead hot, regenerator, dead cold (cm3)</source>
        <translation>Totvol. heiß, Regenerator, Totvol. kalt (cm3)</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Kurbelwinkel</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Double-click a yellow box for a sweep</source>
        <translation>Doppelklick auf ein gelbes Feld: Parameterreihe</translation>
    </message>
</context>
<context>
    <name>kelvane::TErrorReportDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Aufrufstapel</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Details &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Terminate</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Compact &lt;&lt;</source>
        <translation>&amp;Kompakt &lt;&lt;</translation>
    </message>
</context>
<context>
    <name>kelvane::TGammaStirlingMainForm</name>
    <message>
        <source>Temp (F)</source>
        <translation>Temp. (F)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchm.</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Verdr.-Zyl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Verdränger</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Kurbelradius</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Kolben</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Phasenversatz</translation>
    </message>
    <message>
        <source>Double-click on yellow boxes to create &quot;Super Graphs&quot;</source>
        <translation>Doppelklick auf gelbe Felder ergibt „Super-Diagramme“</translation>
    </message>
</context>
<context>
    <name>kelvane::TKelvaneDispatchForm</name>
    <message>
        <source>Kelvane Stirling Engine Simulators</source>
        <translation>Kelvane – Simulatoren für Stirlingmotoren</translation>
    </message>
    <message>
        <source>R&amp;otary</source>
        <translation>R&amp;otation</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>Ein&amp;führung</translation>
    </message>
    <message>
        <source>Licence: GPL-3+</source>
        <translation>Lizenz: GPL-3+</translation>
    </message>
    <message>
        <source>Release: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>The Rotary simulation is not available at this time.</source>
        <translation>Die Simulation des Rotationsmotors ist derzeit nicht verfügbar.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Die Sprache der Fenster, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Kelvane will use %1 from its next start.</source>
        <translation>Kelvane verwendet ab dem nächsten Start: %1.</translation>
    </message>
</context>
<context>
    <name>kelvane::TPopUpGraphForm</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Sweep notes</source>
        <translation>Notizen zur Variation</translation>
    </message>
</context>
<context>
    <name>kelvane::TRiderStirlingMainForm</name>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kalt</translation>
    </message>
    <message>
        <source>Hot
Temp</source>
        <translation>Temp.
heiß</translation>
    </message>
    <message>
        <source>Temp (F)</source>
        <translation>Temp. (F)</translation>
    </message>
    <message>
        <source>Stroke Min</source>
        <translation>Hub min.</translation>
    </message>
    <message>
        <source>Stroke Max</source>
        <translation>Hub max.</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Phasenversatz</translation>
    </message>
    <message>
        <source>Re-compute all of the graphs</source>
        <translation>Alle Diagramme neu berechnen</translation>
    </message>
</context>
<context>
    <name>kelvane::TRingbomStirlingMainForm</name>
    <message>
        <source>Temp (F)</source>
        <translation>Temp. (F)</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchm.</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Kurbelr.</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Verdr.-Zyl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Verdränger</translation>
    </message>
    <message>
        <source>Displacer Piston</source>
        <translation>Verdrängerkolben</translation>
    </message>
    <message>
        <source>Power Piston</source>
        <translation>Arbeitskolben</translation>
    </message>
    <message>
        <source>Strip Ch&amp;art</source>
        <translation>&amp;Schreiber</translation>
    </message>
    <message>
        <source>All &amp;Data</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Pan graphs to the left</source>
        <translation>Diagramme nach links verschieben</translation>
    </message>
    <message>
        <source>Pan graphs to the right</source>
        <translation>Diagramme nach rechts verschieben</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
</context>
</TS>
