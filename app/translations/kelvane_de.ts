<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChartExport</name>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartHold</name>
    <message>
        <source>Hol&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the curves as they are now on every chart, faint and dashed, to compare a change with them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameFiles</name>
    <message>
        <source>The file %1 cannot be read: %2.
Nothing was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds values that cannot be used; their boxes are marked:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kelvane</name>
    <message>
        <source>&quot;Cold&quot; Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Hot&quot; Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Normalized) Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Normalized) Volume and Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;eta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Stirling Engine Simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Help button!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Dead Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold N %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Posn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Push Rod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Stroke Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Stroke Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Vol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Vol cm3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold dead volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold stroke maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold stroke minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comp Work J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curr Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Posn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Posn mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer Cylinder Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer cylinder diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer cylinder height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer rod diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp Work J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Stirling Engine Simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas &quot;N&quot; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas Mass in Each Space (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas Temperatures and  Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi Mean Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Dead Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot N %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Posn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Push Rod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Stroke Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Stroke Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Vol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Vol cm3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot dead volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot stroke maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot stroke minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot/Cold N %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo Mean Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max P kPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean P kPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min P kPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Work Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Work J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalized Pressure/Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Posn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Posn mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Throw vs Net Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions (mm from the hot end&apos;s dead centre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure (kPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure kPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure/Volume (Click to move)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerator Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerator volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring&amp;bom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringbom Simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringbom Stirling Engine Simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ingle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schmidt W J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sl&amp;ow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum-Schmidt %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th Piston Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Vol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Vol cm3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Piston Net Work Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Piston Stirling Engine Simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume (cm3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume and Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes (cm3) and Pressure (kPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work of Each Degree (J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees F</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Stirling Parameters (*.PAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Work (pressure × volume units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulatorFrame</name>
    <message>
        <source>Print the current window contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation (such as it is)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;utor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current set of parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load parameters from disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show P&amp;V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide P&amp;V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.
Kelvane starts with its default settings and leaves that file as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvane cannot save its settings to &quot;%1&quot;%2.
The window places and values of this session will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::ChartMenu</name>
    <message>
        <source>&amp;Copy Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::ChartReadOut</name>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::SimulatorFrame</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TBetaStirlingMainForm</name>
    <message>
        <source>Temp (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pm (kPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n (rpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bore (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp stroke (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston stroke (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead hot, regenerator, dead cold (cm3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a yellow box for a sweep</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TErrorReportDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TGammaStirlingMainForm</name>
    <message>
        <source>Temp (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click on yellow boxes to create &quot;Super Graphs&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TKelvaneDispatchForm</name>
    <message>
        <source>Kelvane Stirling Engine Simulators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;otary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: GPL-3+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Rotary simulation is not available at this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvane will use %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TPopUpGraphForm</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TRiderStirlingMainForm</name>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot
Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-compute all of the graphs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvane::TRingbomStirlingMainForm</name>
    <message>
        <source>Temp (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacer Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip Ch&amp;art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan graphs to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan graphs to the right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
