<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ChartExport</name>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>ChartHold</name>
    <message>
        <source>Hol&amp;d</source>
        <translation>&amp;Fijar</translation>
    </message>
    <message>
        <source>Keep the curves as they are now on every chart, faint and dashed, to compare a change with them</source>
        <translation>Conservar las curvas de todos los gráficos tal como están ahora, tenues y discontinuas, para comparar con ellas un cambio</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>(and %1 more)</source>
        <translation>(y %1 más)</translation>
    </message>
    <message>
        <source>Input problem: %1</source>
        <translation>Problema de entrada: %1</translation>
    </message>
</context>
<context>
    <name>FrameFiles</name>
    <message>
        <source>The file %1 cannot be read: %2.
Nothing was loaded.</source>
        <translation>No se puede leer el archivo %1: %2.
No se ha cargado nada.</translation>
    </message>
    <message>
        <source>Nothing was loaded.</source>
        <translation>No se ha cargado nada.</translation>
    </message>
    <message>
        <source>The file %1 holds values that cannot be used; their boxes are marked:</source>
        <translation>El archivo %1 contiene valores que no se pueden usar; sus casillas están marcadas:</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
</context>
<context>
    <name>FrameWidgets</name>
    <message>
        <source>%1 slider</source>
        <translation>%1, control deslizante</translation>
    </message>
    <message>
        <source>%1 up-down</source>
        <translation>%1, subir/bajar</translation>
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
        <translation>Temp. «fría»</translation>
    </message>
    <message>
        <source>&quot;Hot&quot; Temp</source>
        <translation>Temp. «caliente»</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>&amp;Calc.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>Rápi&amp;do</translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation>&amp;Gamma</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>Arra&amp;ncar</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>R&amp;eanudar</translation>
    </message>
    <message>
        <source>&amp;Rider</source>
        <translation>&amp;Rider</translation>
    </message>
    <message>
        <source>(Normalized) Positions</source>
        <translation>Posiciones (normalizadas)</translation>
    </message>
    <message>
        <source>(Normalized) Volume and Pressure</source>
        <translation>Volumen y presión (normalizados)</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>B&amp;eta</source>
        <translation>B&amp;eta</translation>
    </message>
    <message>
        <source>Beta Stirling Engine Simulator</source>
        <translation>Simulador del motor Stirling beta</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Click the Help button!</source>
        <translation>¡Vea la ayuda!</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Frío</translation>
    </message>
    <message>
        <source>Cold Dead Volume</source>
        <translation>Volumen muerto frío</translation>
    </message>
    <message>
        <source>Cold N %</source>
        <translation>N frío %</translation>
    </message>
    <message>
        <source>Cold Piston</source>
        <translation>Pistón frío</translation>
    </message>
    <message>
        <source>Cold Posn</source>
        <translation>Pos. frío</translation>
    </message>
    <message>
        <source>Cold Push Rod</source>
        <translation>Biela fría</translation>
    </message>
    <message>
        <source>Cold Stroke Maximum</source>
        <translation>Carrera fría máx.</translation>
    </message>
    <message>
        <source>Cold Stroke Minimum</source>
        <translation>Carrera fría mín.</translation>
    </message>
    <message>
        <source>Cold Temperature</source>
        <translation>Temperatura fría</translation>
    </message>
    <message>
        <source>Cold Vol</source>
        <translation>Vol. frío</translation>
    </message>
    <message>
        <source>Cold Vol cm3</source>
        <translation>Vol. frío cm3</translation>
    </message>
    <message>
        <source>Cold Volume</source>
        <translation>Volumen frío</translation>
    </message>
    <message>
        <source>Cold dead volume</source>
        <translation>Volumen muerto frío</translation>
    </message>
    <message>
        <source>Cold stroke maximum</source>
        <translation>Carrera fría máxima</translation>
    </message>
    <message>
        <source>Cold stroke minimum</source>
        <translation>Carrera fría mínima</translation>
    </message>
    <message>
        <source>Cold temperature</source>
        <translation>Temperatura fría</translation>
    </message>
    <message>
        <source>Comp Work J</source>
        <translation>Trab. compr. J</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Crank</source>
        <translation>Manivela</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Ángulo de manivela</translation>
    </message>
    <message>
        <source>Curr Pressure</source>
        <translation>Presión act.</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Disp Posn</source>
        <translation>Pos. desplaz.</translation>
    </message>
    <message>
        <source>Disp Posn mm</source>
        <translation>Pos. desplaz. mm</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Desplaz.</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter</source>
        <translation>Diámetro del cilindro desplazador</translation>
    </message>
    <message>
        <source>Displacer Cylinder Height</source>
        <translation>Altura del cilindro desplazador</translation>
    </message>
    <message>
        <source>Displacer Height</source>
        <translation>Altura del desplazador</translation>
    </message>
    <message>
        <source>Displacer Stroke</source>
        <translation>Carrera del desplazador</translation>
    </message>
    <message>
        <source>Displacer cylinder diameter</source>
        <translation>Diámetro del cilindro desplazador</translation>
    </message>
    <message>
        <source>Displacer cylinder height</source>
        <translation>Altura del cilindro desplazador</translation>
    </message>
    <message>
        <source>Displacer height</source>
        <translation>Altura del desplazador</translation>
    </message>
    <message>
        <source>Displacer rod diameter</source>
        <translation>Diámetro de la varilla del desplazador</translation>
    </message>
    <message>
        <source>Displacer stroke</source>
        <translation>Carrera del desplazador</translation>
    </message>
    <message>
        <source>Efficiency %</source>
        <translation>Rendimiento %</translation>
    </message>
    <message>
        <source>Exp Work J</source>
        <translation>Trab. expan. J</translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation>Expansión</translation>
    </message>
    <message>
        <source>Gamma Stirling Engine Simulator</source>
        <translation>Simulador del motor Stirling gamma</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas &quot;N&quot; %</source>
        <translation>Gas «N» %</translation>
    </message>
    <message>
        <source>Gas Distribution</source>
        <translation>Distribución del gas</translation>
    </message>
    <message>
        <source>Gas Mass in Each Space (%)</source>
        <translation>Masa de gas en cada espacio (%)</translation>
    </message>
    <message>
        <source>Gas Temperatures and  Distribution</source>
        <translation>Temperaturas y distribución del gas</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Hi Mean Pressure</source>
        <translation>Presión media alta</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Caliente</translation>
    </message>
    <message>
        <source>Hot Dead Volume</source>
        <translation>Volumen muerto caliente</translation>
    </message>
    <message>
        <source>Hot N %</source>
        <translation>N cal. %</translation>
    </message>
    <message>
        <source>Hot Piston</source>
        <translation>Pistón caliente</translation>
    </message>
    <message>
        <source>Hot Posn</source>
        <translation>Pos. cal.</translation>
    </message>
    <message>
        <source>Hot Push Rod</source>
        <translation>Biela caliente</translation>
    </message>
    <message>
        <source>Hot Stroke Maximum</source>
        <translation>Carrera caliente máx.</translation>
    </message>
    <message>
        <source>Hot Stroke Minimum</source>
        <translation>Carrera caliente mín.</translation>
    </message>
    <message>
        <source>Hot Temperature</source>
        <translation>Temperatura caliente</translation>
    </message>
    <message>
        <source>Hot Vol</source>
        <translation>Vol. cal.</translation>
    </message>
    <message>
        <source>Hot Vol cm3</source>
        <translation>Vol. cal. cm3</translation>
    </message>
    <message>
        <source>Hot Volume</source>
        <translation>Volumen caliente</translation>
    </message>
    <message>
        <source>Hot dead volume</source>
        <translation>Volumen muerto caliente</translation>
    </message>
    <message>
        <source>Hot stroke maximum</source>
        <translation>Carrera caliente máxima</translation>
    </message>
    <message>
        <source>Hot stroke minimum</source>
        <translation>Carrera caliente mínima</translation>
    </message>
    <message>
        <source>Hot temperature</source>
        <translation>Temperatura caliente</translation>
    </message>
    <message>
        <source>Hot/Cold N %</source>
        <translation>N cal./frío %</translation>
    </message>
    <message>
        <source>Lo Mean Pressure</source>
        <translation>Presión media baja</translation>
    </message>
    <message>
        <source>Max P kPa</source>
        <translation>P máx. kPa</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Presión máx.</translation>
    </message>
    <message>
        <source>Mean P kPa</source>
        <translation>P media kPa</translation>
    </message>
    <message>
        <source>Mean Pressure</source>
        <translation>Presión media</translation>
    </message>
    <message>
        <source>Mean Work</source>
        <translation>Trabajo medio</translation>
    </message>
    <message>
        <source>Mean pressure</source>
        <translation>Presión media</translation>
    </message>
    <message>
        <source>Min P kPa</source>
        <translation>P mín. kPa</translation>
    </message>
    <message>
        <source>N Cold</source>
        <translation>N frío</translation>
    </message>
    <message>
        <source>N Hot</source>
        <translation>N caliente</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Net Work</source>
        <translation>Trabajo neto</translation>
    </message>
    <message>
        <source>Net Work Graph</source>
        <translation>Gráfico del trabajo neto</translation>
    </message>
    <message>
        <source>Net Work J</source>
        <translation>Trabajo neto J</translation>
    </message>
    <message>
        <source>Normalized</source>
        <translation>Normalizado</translation>
    </message>
    <message>
        <source>Normalized Pressure/Volume</source>
        <translation>P/V normalizados</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Phase Angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Phase offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistón</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Diámetro del pistón</translation>
    </message>
    <message>
        <source>Piston Position</source>
        <translation>Posición del pistón</translation>
    </message>
    <message>
        <source>Piston Posn</source>
        <translation>Pos. pistón</translation>
    </message>
    <message>
        <source>Piston Posn mm</source>
        <translation>Pos. pistón mm</translation>
    </message>
    <message>
        <source>Piston Stroke</source>
        <translation>Carrera del pistón</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Radio man.</translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation>Diámetro del pistón</translation>
    </message>
    <message>
        <source>Piston stroke</source>
        <translation>Carrera del pistón</translation>
    </message>
    <message>
        <source>Piston throw</source>
        <translation>Radio de manivela</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Positions (mm from the hot end&apos;s dead centre)</source>
        <translation>Posiciones (mm desde el punto muerto caliente)</translation>
    </message>
    <message>
        <source>Power W</source>
        <translation>Potencia W</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Pressure (kPa)</source>
        <translation>Presión (kPa)</translation>
    </message>
    <message>
        <source>Pressure kPa</source>
        <translation>Presión kPa</translation>
    </message>
    <message>
        <source>Pressure/Volume (Click to move)</source>
        <translation>Presión/volumen (clic para mover)</translation>
    </message>
    <message>
        <source>Pressures</source>
        <translation>Presiones</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
    <message>
        <source>Regenerator</source>
        <translation>Regenerador</translation>
    </message>
    <message>
        <source>Regenerator Volume</source>
        <translation>Volumen del regenerador</translation>
    </message>
    <message>
        <source>Regenerator volume</source>
        <translation>Volumen del regenerador</translation>
    </message>
    <message>
        <source>Ring&amp;bom</source>
        <translation>Ring&amp;bom</translation>
    </message>
    <message>
        <source>Ringbom Simulator</source>
        <translation>Simulador Ringbom</translation>
    </message>
    <message>
        <source>Ringbom Stirling Engine Simulator</source>
        <translation>Simulador del motor Stirling Ringbom</translation>
    </message>
    <message>
        <source>S&amp;ingle</source>
        <translation>Pas&amp;o</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Schmidt W J</source>
        <translation>Schmidt W J</translation>
    </message>
    <message>
        <source>Sl&amp;ow</source>
        <translation>&amp;Lento</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sum-Schmidt %</source>
        <translation>Suma-Schmidt %</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temp Ratio</source>
        <translation>Relación temp.</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturas</translation>
    </message>
    <message>
        <source>Th Piston Th</source>
        <translation>Radio man. teór.</translation>
    </message>
    <message>
        <source>Total Vol</source>
        <translation>Vol. total</translation>
    </message>
    <message>
        <source>Total Vol cm3</source>
        <translation>Vol. total cm3</translation>
    </message>
    <message>
        <source>Total Volume</source>
        <translation>Volumen total</translation>
    </message>
    <message>
        <source>Two Piston Net Work Graph</source>
        <translation>Trabajo neto del motor de dos pistones</translation>
    </message>
    <message>
        <source>Two Piston Stirling Engine Simulator</source>
        <translation>Simulador del motor Stirling de dos pistones</translation>
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
        <translation>Volumen y presión</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <source>Volumes (cm3) and Pressure (kPa)</source>
        <translation>Volúmenes (cm3) y presión (kPa)</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Work of Each Degree (J)</source>
        <translation>Trabajo de cada grado (J)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>degrees C</source>
        <translation>grados C</translation>
    </message>
    <message>
        <source>degrees F</source>
        <translation>grados F</translation>
    </message>
    <message>
        <source>Cold stroke minimum must not be above the cold stroke maximum</source>
        <translation>La carrera fría mínima no debe superar la máxima</translation>
    </message>
    <message>
        <source>Cold temperature must not be above the hot temperature</source>
        <translation>La temperatura fría no debe superar la caliente</translation>
    </message>
    <message>
        <source>Displacer height must be less than the displacer cylinder height</source>
        <translation>La altura del desplazador debe ser menor que la del cilindro desplazador</translation>
    </message>
    <message>
        <source>Displacer rod diameter must not be more than the displacer cylinder diameter</source>
        <translation>El diámetro de la varilla del desplazador no debe superar el del cilindro desplazador</translation>
    </message>
    <message>
        <source>Hot stroke minimum must not be above the hot stroke maximum</source>
        <translation>La carrera caliente mínima no debe superar la máxima</translation>
    </message>
    <message>
        <source>MaxPressure</source>
        <translation>Presión máx.</translation>
    </message>
    <message>
        <source>MaxTemp</source>
        <translation>Temp. máx.</translation>
    </message>
    <message>
        <source>MaxVol</source>
        <translation>Vol. máx.</translation>
    </message>
    <message>
        <source>MeanPressure</source>
        <translation>Presión media</translation>
    </message>
    <message>
        <source>MeanVol</source>
        <translation>Vol. medio</translation>
    </message>
    <message>
        <source>MinPressure</source>
        <translation>Presión mín.</translation>
    </message>
    <message>
        <source>MinTemp</source>
        <translation>Temp. mín.</translation>
    </message>
    <message>
        <source>MinVol</source>
        <translation>Vol. mín.</translation>
    </message>
    <message>
        <source>TempRatio</source>
        <translation>Relación temp.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Vol Ratio</source>
        <translation>Relación vol.</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>%1 must be %2 %3 or more</source>
        <translation>%1 debe ser de %2 %3 o más</translation>
    </message>
    <message>
        <source>%1 must be %2 or more</source>
        <translation>%1 debe ser de %2 o más</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 debe ser un número</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 debe ser un número entero</translation>
    </message>
    <message>
        <source>%1 must be a whole number of %2</source>
        <translation>%1 debe ser un número entero de %2</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3</source>
        <translation>%1 debe estar entre %2 y %3</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3 %4</source>
        <translation>%1 debe estar entre %2 y %3 %4</translation>
    </message>
    <message>
        <source>%1 vs Net Work</source>
        <translation>Trabajo neto según %1</translation>
    </message>
    <message>
        <source>%1 vs Pressure</source>
        <translation>Presión según %1</translation>
    </message>
    <message>
        <source>%1 vs Temperature</source>
        <translation>Temperatura según %1</translation>
    </message>
    <message>
        <source>%1 vs Volume</source>
        <translation>Volumen según %1</translation>
    </message>
    <message>
        <source>%1: use a point for decimals (a comma only groups thousands)</source>
        <translation>%1: use un punto para los decimales (la coma solo agrupa los miles)</translation>
    </message>
    <message>
        <source>Bore (mm)= %1</source>
        <translation>Diámetro (mm) = %1</translation>
    </message>
    <message>
        <source>Cold (cm3)= %1</source>
        <translation>frío (cm3) = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Max= %1</source>
        <translation>Carrera fría máx. = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Min= %1</source>
        <translation>Carrera fría mín. = %1</translation>
    </message>
    <message>
        <source>Dead Volume Hot (cm3)= %1</source>
        <translation>Volumen muerto caliente (cm3) = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder  Height=  %1</source>
        <translation>Altura del cilindro desplazador = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter= %1</source>
        <translation>Diámetro del cilindro desplazador = %1</translation>
    </message>
    <message>
        <source>Displacer Height= %1</source>
        <translation>Altura del desplazador = %1</translation>
    </message>
    <message>
        <source>Displacer Stroke (mm)= %1</source>
        <translation>Carrera del desplazador (mm) = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Max= %1</source>
        <translation>Carrera caliente máx. = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Min= %1</source>
        <translation>Carrera caliente mín. = %1</translation>
    </message>
    <message>
        <source>Hot= %1</source>
        <translation>caliente = %1</translation>
    </message>
    <message>
        <source>Maximum Work of %1 occured at %2</source>
        <translation>Trabajo máximo de %1 en %2</translation>
    </message>
    <message>
        <source>Mean Pressure (kPa)= %1</source>
        <translation>Presión media (kPa) = %1</translation>
    </message>
    <message>
        <source>Phase Angle (degrees)= %1</source>
        <translation>Ángulo de fase (grados) = %1</translation>
    </message>
    <message>
        <source>Phase Offset= %1</source>
        <translation>Desfase = %1</translation>
    </message>
    <message>
        <source>Piston Diameter= %1</source>
        <translation>Diámetro del pistón = %1</translation>
    </message>
    <message>
        <source>Piston Stroke (mm)= %1</source>
        <translation>Carrera del pistón (mm) = %1</translation>
    </message>
    <message>
        <source>Piston Throw= %1</source>
        <translation>Radio de manivela = %1</translation>
    </message>
    <message>
        <source>Regenerator Volume (cm3)= %1</source>
        <translation>Volumen del regenerador (cm3) = %1</translation>
    </message>
    <message>
        <source>Speed (rpm)= %1</source>
        <translation>Velocidad (rpm) = %1</translation>
    </message>
    <message>
        <source>Temp (C): Cold= %1</source>
        <translation>Temp. (C): fría = %1</translation>
    </message>
    <message>
        <source>Temp: Cold= %1</source>
        <translation>Temp.: fría = %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a parameter file of the %2: it holds none of its settings.</source>
        <translation>El archivo «%1» no es un archivo de parámetros de la ventana «%2»: no contiene ninguno de sus ajustes.</translation>
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
        <translation>% del gas</translation>
    </message>
    <message>
        <source>testing %1 through %2</source>
        <translation>prueba de %1 a %2</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Kelvane: Stirling engine simulators</source>
        <translation>Kelvane: simuladores de motores Stirling</translation>
    </message>
    <message>
        <source>Two-piston</source>
        <translation>Dos pistones</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>Control deslizante: %1</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Disminuir</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1: aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: disminuir</translation>
    </message>
    <message>
        <source>Double-click on a yellow box to sweep it (&quot;Super Graphs&quot;).</source>
        <translation>Doble clic en una casilla amarilla para hacer su barrido («supergráficos»).</translation>
    </message>
    <message>
        <source>Print a one-page report</source>
        <translation>Imprimir un informe de una página</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>A link that opens this engine with these values</source>
        <translation>Un enlace que abre este motor con estos valores</translation>
    </message>
    <message>
        <source>Link to this lesson</source>
        <translation>Enlace a esta lección</translation>
    </message>
    <message>
        <source>Copy the link from the box below the buttons.</source>
        <translation>Copie el enlace del cuadro que hay bajo los botones.</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>Not swept.</source>
        <translation>Sin barrido.</translation>
    </message>
    <message>
        <source>Sweeping…</source>
        <translation>Barrido en curso…</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>The link names no engine &quot;%1&quot;: showing the first.</source>
        <translation>El enlace no nombra ningún motor «%1»: se muestra el primero.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 is not a field of the %2: ignored.</source>
        <translation>%1 del enlace no es un campo de «%2»: se ignora.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 are not fields of the %2: ignored.</source>
        <translation>%1 del enlace no son campos de «%2»: se ignoran.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1: crank angle</source>
        <translation>%1: ángulo de manivela</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Show the chart&apos;s numbers as a table</source>
        <translation>Mostrar los números del gráfico como tabla</translation>
    </message>
    <message>
        <source>Save this chart as %1</source>
        <translation>Guardar este gráfico como %1</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, en función de %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1: mínimo %2 en %3, máximo %4 en %5, media %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Aún no hay resultados.</translation>
    </message>
    <message>
        <source>Loading the engines…</source>
        <translation>Cargando los motores…</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Stirling Parameters (*.PAR)</source>
        <translation>Parámetros Stirling (*.PAR)</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>No hay ninguna impresora instalada: imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Work (pressure × volume units)</source>
        <translation>Trabajo (unidades de presión × volumen)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
</context>
<context>
    <name>SimulatorFrame</name>
    <message>
        <source>Print the current window contents</source>
        <translation>Imprimir el contenido de la ventana</translation>
    </message>
    <message>
        <source>Documentation (such as it is)</source>
        <translation>Documentación (la que hay)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>T&amp;utor</source>
        <translation>G&amp;uía</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save current set of parameters</source>
        <translation>Guardar los parámetros actuales</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Ca&amp;rgar</translation>
    </message>
    <message>
        <source>Load parameters from disk</source>
        <translation>Cargar parámetros desde un archivo</translation>
    </message>
    <message>
        <source>Show P&amp;V</source>
        <translation>Ver P&amp;V</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>G&amp;uía</translation>
    </message>
    <message>
        <source>Hide P&amp;V</source>
        <translation>Ocultar P&amp;V</translation>
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
        <translation>No se puede leer el archivo de configuración «%1»: %2.
Kelvane arranca con la configuración predeterminada y deja ese archivo como está.</translation>
    </message>
    <message>
        <source>Kelvane cannot save its settings to &quot;%1&quot;%2.
The window places and values of this session will not be kept.</source>
        <translation>Kelvane no puede guardar su configuración en «%1»%2.
No se conservarán las posiciones de las ventanas ni los valores de esta sesión.</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartMenu</name>
    <message>
        <source>&amp;Copy Image</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save &amp;Data...</source>
        <translation>Guardar &amp;datos...</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Guardar info&amp;rme...</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Descri&amp;be</source>
        <translation>Descri&amp;bir</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, según %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1: mínimo %2 en %3, máximo %4 en %5, media %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Todavía no hay resultados.</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Las páginas de ayuda están en inglés.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>kelvane::SimulatorFrame</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Guardar info&amp;rme...</translation>
    </message>
    <message>
        <source>Engine picture</source>
        <translation>Imagen del motor</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Engine picture.</source>
        <translation>Imagen del motor.</translation>
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
        <translation>n (rpm)</translation>
    </message>
    <message>
        <source>Bore (mm)</source>
        <translation>Diámetro (mm)</translation>
    </message>
    <message>
        <source>Disp stroke (mm)</source>
        <translation>Carrera despl. (mm)</translation>
    </message>
    <message>
        <source>Piston stroke (mm)</source>
        <translation>Carrera pistón (mm)</translation>
    </message>
    <message>
        <source>Dead hot, regenerator, dead cold (cm3)</source>
        <translation>Muerto cal., regenerador, muerto frío (cm3)</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Ángulo de manivela</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Double-click a yellow box for a sweep</source>
        <translation>Doble clic en una casilla amarilla: barrido</translation>
    </message>
</context>
<context>
    <name>kelvane::TErrorReportDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Pila de llamadas</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Detalles &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Terminate</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>&amp;Compact &lt;&lt;</source>
        <translation>&amp;Compacto &lt;&lt;</translation>
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
        <translation>Altura</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Cil. despl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Desplaz.</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Radio man.</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistón</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Double-click on yellow boxes to create &quot;Super Graphs&quot;</source>
        <translation>Doble clic en las casillas amarillas: «supergráficos»</translation>
    </message>
</context>
<context>
    <name>kelvane::TKelvaneDispatchForm</name>
    <message>
        <source>Kelvane Stirling Engine Simulators</source>
        <translation>Kelvane: simuladores de motores Stirling</translation>
    </message>
    <message>
        <source>R&amp;otary</source>
        <translation>R&amp;otativo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Introducción</translation>
    </message>
    <message>
        <source>Licence: GPL-3+</source>
        <translation>Licencia: GPL-3+</translation>
    </message>
    <message>
        <source>Release: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>The Rotary simulation is not available at this time.</source>
        <translation>La simulación del motor rotativo no está disponible por ahora.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>I&amp;dioma</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>El idioma de las ventanas, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>Kelvane will use %1 from its next start.</source>
        <translation>Kelvane usará %1 a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>kelvane::TPopUpGraphForm</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Sweep notes</source>
        <translation>Notas del barrido</translation>
    </message>
</context>
<context>
    <name>kelvane::TRiderStirlingMainForm</name>
    <message>
        <source>Hot</source>
        <translation>Caliente</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Frío</translation>
    </message>
    <message>
        <source>Hot
Temp</source>
        <translation>Temp.
cal.</translation>
    </message>
    <message>
        <source>Temp (F)</source>
        <translation>Temp. (F)</translation>
    </message>
    <message>
        <source>Stroke Min</source>
        <translation>Carrera mín.</translation>
    </message>
    <message>
        <source>Stroke Max</source>
        <translation>Carrera máx.</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Re-compute all of the graphs</source>
        <translation>Volver a calcular todos los gráficos</translation>
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
        <translation>Fase</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Cil. despl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Desplaz.</translation>
    </message>
    <message>
        <source>Displacer Piston</source>
        <translation>Pistón desplazador</translation>
    </message>
    <message>
        <source>Power Piston</source>
        <translation>Pistón de potencia</translation>
    </message>
    <message>
        <source>Strip Ch&amp;art</source>
        <translation>&amp;Continuo</translation>
    </message>
    <message>
        <source>All &amp;Data</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>Pan graphs to the left</source>
        <translation>Desplazar los gráficos a la izquierda</translation>
    </message>
    <message>
        <source>Pan graphs to the right</source>
        <translation>Desplazar los gráficos a la derecha</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
</context>
</TS>
