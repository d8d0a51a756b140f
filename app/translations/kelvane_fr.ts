<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ChartExport</name>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier « %1 » n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>ChartHold</name>
    <message>
        <source>Hol&amp;d</source>
        <translation>Gar&amp;der</translation>
    </message>
    <message>
        <source>Keep the curves as they are now on every chart, faint and dashed, to compare a change with them</source>
        <translation>Garder les courbes de chaque graphique telles qu’elles sont, pâles et en pointillés, pour y comparer une modification</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>(and %1 more)</source>
        <translation>(et %1 de plus)</translation>
    </message>
    <message>
        <source>Input problem: %1</source>
        <translation>Problème de saisie : %1</translation>
    </message>
</context>
<context>
    <name>FrameFiles</name>
    <message>
        <source>The file %1 cannot be read: %2.
Nothing was loaded.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.
Rien n’a été chargé.</translation>
    </message>
    <message>
        <source>Nothing was loaded.</source>
        <translation>Rien n’a été chargé.</translation>
    </message>
    <message>
        <source>The file %1 holds values that cannot be used; their boxes are marked:</source>
        <translation>Le fichier %1 contient des valeurs inutilisables ; leurs cases sont marquées :</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
</context>
<context>
    <name>FrameWidgets</name>
    <message>
        <source>%1 slider</source>
        <translation>%1, curseur</translation>
    </message>
    <message>
        <source>%1 up-down</source>
        <translation>%1, haut/bas</translation>
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
        <translation>Temp. « froide »</translation>
    </message>
    <message>
        <source>&quot;Hot&quot; Temp</source>
        <translation>Temp. « chaude »</translation>
    </message>
    <message>
        <source>&amp;Calc</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation>&amp;Gamma</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Marche</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Rider</source>
        <translation>&amp;Rider</translation>
    </message>
    <message>
        <source>(Normalized) Positions</source>
        <translation>Positions (normalisées)</translation>
    </message>
    <message>
        <source>(Normalized) Volume and Pressure</source>
        <translation>Volume et pression (normalisés)</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>B&amp;eta</source>
        <translation>B&amp;êta</translation>
    </message>
    <message>
        <source>Beta Stirling Engine Simulator</source>
        <translation>Simulateur du moteur Stirling bêta</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Alésage</translation>
    </message>
    <message>
        <source>Click the Help button!</source>
        <translation>Voir l’aide !</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Froid</translation>
    </message>
    <message>
        <source>Cold Dead Volume</source>
        <translation>Volume mort froid</translation>
    </message>
    <message>
        <source>Cold N %</source>
        <translation>N froid %</translation>
    </message>
    <message>
        <source>Cold Piston</source>
        <translation>Piston froid</translation>
    </message>
    <message>
        <source>Cold Posn</source>
        <translation>Pos. froid</translation>
    </message>
    <message>
        <source>Cold Push Rod</source>
        <translation>Tige froide</translation>
    </message>
    <message>
        <source>Cold Stroke Maximum</source>
        <translation>Course froide max.</translation>
    </message>
    <message>
        <source>Cold Stroke Minimum</source>
        <translation>Course froide min.</translation>
    </message>
    <message>
        <source>Cold Temperature</source>
        <translation>Température froide</translation>
    </message>
    <message>
        <source>Cold Vol</source>
        <translation>Vol. froid</translation>
    </message>
    <message>
        <source>Cold Vol cm3</source>
        <translation>Vol. froid cm3</translation>
    </message>
    <message>
        <source>Cold Volume</source>
        <translation>Volume froid</translation>
    </message>
    <message>
        <source>Cold dead volume</source>
        <translation>Volume mort froid</translation>
    </message>
    <message>
        <source>Cold stroke maximum</source>
        <translation>Course froide maximale</translation>
    </message>
    <message>
        <source>Cold stroke minimum</source>
        <translation>Course froide minimale</translation>
    </message>
    <message>
        <source>Cold temperature</source>
        <translation>Température froide</translation>
    </message>
    <message>
        <source>Comp Work J</source>
        <translation>Trav. compr. J</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Crank</source>
        <translation>Manivelle</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Angle de manivelle</translation>
    </message>
    <message>
        <source>Curr Pressure</source>
        <translation>Pression act.</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Disp Posn</source>
        <translation>Pos. déplac.</translation>
    </message>
    <message>
        <source>Disp Posn mm</source>
        <translation>Pos. déplac. mm</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Déplaceur</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter</source>
        <translation>Diamètre du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Displacer Cylinder Height</source>
        <translation>Hauteur du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Displacer Height</source>
        <translation>Hauteur du déplaceur</translation>
    </message>
    <message>
        <source>Displacer Stroke</source>
        <translation>Course du déplaceur</translation>
    </message>
    <message>
        <source>Displacer cylinder diameter</source>
        <translation>Diamètre du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Displacer cylinder height</source>
        <translation>Hauteur du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Displacer height</source>
        <translation>Hauteur du déplaceur</translation>
    </message>
    <message>
        <source>Displacer rod diameter</source>
        <translation>Diamètre de la tige du déplaceur</translation>
    </message>
    <message>
        <source>Displacer stroke</source>
        <translation>Course du déplaceur</translation>
    </message>
    <message>
        <source>Efficiency %</source>
        <translation>Rendement %</translation>
    </message>
    <message>
        <source>Exp Work J</source>
        <translation>Trav. dét. J</translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Gamma Stirling Engine Simulator</source>
        <translation>Simulateur du moteur Stirling gamma</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Gas &quot;N&quot; %</source>
        <translation>Gaz « N » %</translation>
    </message>
    <message>
        <source>Gas Distribution</source>
        <translation>Répartition du gaz</translation>
    </message>
    <message>
        <source>Gas Mass in Each Space (%)</source>
        <translation>Masse de gaz dans chaque espace (%)</translation>
    </message>
    <message>
        <source>Gas Temperatures and  Distribution</source>
        <translation>Températures et répartition du gaz</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Hi Mean Pressure</source>
        <translation>Pression moy. haute</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Hot Dead Volume</source>
        <translation>Volume mort chaud</translation>
    </message>
    <message>
        <source>Hot N %</source>
        <translation>N chaud %</translation>
    </message>
    <message>
        <source>Hot Piston</source>
        <translation>Piston chaud</translation>
    </message>
    <message>
        <source>Hot Posn</source>
        <translation>Pos. chaud</translation>
    </message>
    <message>
        <source>Hot Push Rod</source>
        <translation>Tige chaude</translation>
    </message>
    <message>
        <source>Hot Stroke Maximum</source>
        <translation>Course chaude max.</translation>
    </message>
    <message>
        <source>Hot Stroke Minimum</source>
        <translation>Course chaude min.</translation>
    </message>
    <message>
        <source>Hot Temperature</source>
        <translation>Température chaude</translation>
    </message>
    <message>
        <source>Hot Vol</source>
        <translation>Vol. chaud</translation>
    </message>
    <message>
        <source>Hot Vol cm3</source>
        <translation>Vol. chaud cm3</translation>
    </message>
    <message>
        <source>Hot Volume</source>
        <translation>Volume chaud</translation>
    </message>
    <message>
        <source>Hot dead volume</source>
        <translation>Volume mort chaud</translation>
    </message>
    <message>
        <source>Hot stroke maximum</source>
        <translation>Course chaude maximale</translation>
    </message>
    <message>
        <source>Hot stroke minimum</source>
        <translation>Course chaude minimale</translation>
    </message>
    <message>
        <source>Hot temperature</source>
        <translation>Température chaude</translation>
    </message>
    <message>
        <source>Hot/Cold N %</source>
        <translation>N chaud/froid %</translation>
    </message>
    <message>
        <source>Lo Mean Pressure</source>
        <translation>Pression moy. basse</translation>
    </message>
    <message>
        <source>Max P kPa</source>
        <translation>P max. kPa</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Pression max.</translation>
    </message>
    <message>
        <source>Mean P kPa</source>
        <translation>P moy. kPa</translation>
    </message>
    <message>
        <source>Mean Pressure</source>
        <translation>Pression moy.</translation>
    </message>
    <message>
        <source>Mean Work</source>
        <translation>Travail moyen</translation>
    </message>
    <message>
        <source>Mean pressure</source>
        <translation>Pression moyenne</translation>
    </message>
    <message>
        <source>Min P kPa</source>
        <translation>P min. kPa</translation>
    </message>
    <message>
        <source>N Cold</source>
        <translation>N froid</translation>
    </message>
    <message>
        <source>N Hot</source>
        <translation>N chaud</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Net Work</source>
        <translation>Travail net</translation>
    </message>
    <message>
        <source>Net Work Graph</source>
        <translation>Graphique du travail net</translation>
    </message>
    <message>
        <source>Net Work J</source>
        <translation>Travail net J</translation>
    </message>
    <message>
        <source>Normalized</source>
        <translation>Normalisé</translation>
    </message>
    <message>
        <source>Normalized Pressure/Volume</source>
        <translation>P/V normalisés</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Phase offset</source>
        <translation>Décalage de phase</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Diamètre du piston</translation>
    </message>
    <message>
        <source>Piston Position</source>
        <translation>Position du piston</translation>
    </message>
    <message>
        <source>Piston Posn</source>
        <translation>Pos. piston</translation>
    </message>
    <message>
        <source>Piston Posn mm</source>
        <translation>Pos. piston mm</translation>
    </message>
    <message>
        <source>Piston Stroke</source>
        <translation>Course du piston</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Rayon man.</translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation>Diamètre du piston</translation>
    </message>
    <message>
        <source>Piston stroke</source>
        <translation>Course du piston</translation>
    </message>
    <message>
        <source>Piston throw</source>
        <translation>Rayon de manivelle</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Positions (mm from the hot end&apos;s dead centre)</source>
        <translation>Positions (mm depuis le point mort chaud)</translation>
    </message>
    <message>
        <source>Power W</source>
        <translation>Puissance W</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Pressure (kPa)</source>
        <translation>Pression (kPa)</translation>
    </message>
    <message>
        <source>Pressure kPa</source>
        <translation>Pression kPa</translation>
    </message>
    <message>
        <source>Pressure/Volume (Click to move)</source>
        <translation>Pression/volume (cliquer pour déplacer)</translation>
    </message>
    <message>
        <source>Pressures</source>
        <translation>Pressions</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Regenerator</source>
        <translation>Régénérateur</translation>
    </message>
    <message>
        <source>Regenerator Volume</source>
        <translation>Volume du régénérateur</translation>
    </message>
    <message>
        <source>Regenerator volume</source>
        <translation>Volume du régénérateur</translation>
    </message>
    <message>
        <source>Ring&amp;bom</source>
        <translation>Ring&amp;bom</translation>
    </message>
    <message>
        <source>Ringbom Simulator</source>
        <translation>Simulateur Ringbom</translation>
    </message>
    <message>
        <source>Ringbom Stirling Engine Simulator</source>
        <translation>Simulateur du moteur Stirling Ringbom</translation>
    </message>
    <message>
        <source>S&amp;ingle</source>
        <translation>&amp;Un pas</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Schmidt W J</source>
        <translation>Schmidt W J</translation>
    </message>
    <message>
        <source>Sl&amp;ow</source>
        <translation>&amp;Lent</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Sum-Schmidt %</source>
        <translation>Somme-Schmidt %</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Temp Ratio</source>
        <translation>Rapport temp.</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Températures</translation>
    </message>
    <message>
        <source>Th Piston Th</source>
        <translation>Rayon man. th.</translation>
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
        <translation>Volume total</translation>
    </message>
    <message>
        <source>Two Piston Net Work Graph</source>
        <translation>Travail net du moteur à deux pistons</translation>
    </message>
    <message>
        <source>Two Piston Stirling Engine Simulator</source>
        <translation>Simulateur du moteur Stirling à deux pistons</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Volume (cm3)</source>
        <translation>Volume (cm3)</translation>
    </message>
    <message>
        <source>Volume and Pressure</source>
        <translation>Volume et pression</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Volumes (cm3) and Pressure (kPa)</source>
        <translation>Volumes (cm3) et pression (kPa)</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Work of Each Degree (J)</source>
        <translation>Travail par degré (J)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>degrees C</source>
        <translation>degrés C</translation>
    </message>
    <message>
        <source>degrees F</source>
        <translation>degrés F</translation>
    </message>
    <message>
        <source>Cold stroke minimum must not be above the cold stroke maximum</source>
        <translation>La course froide minimale ne doit pas dépasser la maximale</translation>
    </message>
    <message>
        <source>Cold temperature must not be above the hot temperature</source>
        <translation>La température froide ne doit pas dépasser la température chaude</translation>
    </message>
    <message>
        <source>Displacer height must be less than the displacer cylinder height</source>
        <translation>La hauteur du déplaceur doit être inférieure à celle du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Displacer rod diameter must not be more than the displacer cylinder diameter</source>
        <translation>Le diamètre de la tige du déplaceur ne doit pas dépasser celui du cylindre déplaceur</translation>
    </message>
    <message>
        <source>Hot stroke minimum must not be above the hot stroke maximum</source>
        <translation>La course chaude minimale ne doit pas dépasser la maximale</translation>
    </message>
    <message>
        <source>MaxPressure</source>
        <translation>Pression max.</translation>
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
        <translation>Pression moy.</translation>
    </message>
    <message>
        <source>MeanVol</source>
        <translation>Vol. moy.</translation>
    </message>
    <message>
        <source>MinPressure</source>
        <translation>Pression min.</translation>
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
        <translation>Rapport temp.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Vol Ratio</source>
        <translation>Rapport vol.</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>%1 must be %2 %3 or more</source>
        <translation>%1 doit valoir au moins %2 %3</translation>
    </message>
    <message>
        <source>%1 must be %2 or more</source>
        <translation>%1 doit valoir au moins %2</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 doit être un nombre</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 doit être un nombre entier</translation>
    </message>
    <message>
        <source>%1 must be a whole number of %2</source>
        <translation>%1 doit être un nombre entier de %2</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3</source>
        <translation>%1 doit aller de %2 à %3</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3 %4</source>
        <translation>%1 doit aller de %2 à %3 %4</translation>
    </message>
    <message>
        <source>%1 vs Net Work</source>
        <translation>Travail net selon %1</translation>
    </message>
    <message>
        <source>%1 vs Pressure</source>
        <translation>Pression selon %1</translation>
    </message>
    <message>
        <source>%1 vs Temperature</source>
        <translation>Température selon %1</translation>
    </message>
    <message>
        <source>%1 vs Volume</source>
        <translation>Volume selon %1</translation>
    </message>
    <message>
        <source>%1: use a point for decimals (a comma only groups thousands)</source>
        <translation>%1 : utilisez un point pour les décimales (la virgule ne sépare que les milliers)</translation>
    </message>
    <message>
        <source>Bore (mm)= %1</source>
        <translation>Alésage (mm) = %1</translation>
    </message>
    <message>
        <source>Cold (cm3)= %1</source>
        <translation>froid (cm3) = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Max= %1</source>
        <translation>Course froide max. = %1</translation>
    </message>
    <message>
        <source>Cold Stroke Min= %1</source>
        <translation>Course froide min. = %1</translation>
    </message>
    <message>
        <source>Dead Volume Hot (cm3)= %1</source>
        <translation>Volume mort chaud (cm3) = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder  Height=  %1</source>
        <translation>Hauteur du cylindre déplaceur = %1</translation>
    </message>
    <message>
        <source>Displacer Cylinder Diameter= %1</source>
        <translation>Diamètre du cylindre déplaceur = %1</translation>
    </message>
    <message>
        <source>Displacer Height= %1</source>
        <translation>Hauteur du déplaceur = %1</translation>
    </message>
    <message>
        <source>Displacer Stroke (mm)= %1</source>
        <translation>Course du déplaceur (mm) = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Max= %1</source>
        <translation>Course chaude max. = %1</translation>
    </message>
    <message>
        <source>Hot Stroke Min= %1</source>
        <translation>Course chaude min. = %1</translation>
    </message>
    <message>
        <source>Hot= %1</source>
        <translation>chaude = %1</translation>
    </message>
    <message>
        <source>Maximum Work of %1 occured at %2</source>
        <translation>Travail maximal de %1 atteint à %2</translation>
    </message>
    <message>
        <source>Mean Pressure (kPa)= %1</source>
        <translation>Pression moyenne (kPa) = %1</translation>
    </message>
    <message>
        <source>Phase Angle (degrees)= %1</source>
        <translation>Angle de phase (degrés) = %1</translation>
    </message>
    <message>
        <source>Phase Offset= %1</source>
        <translation>Décalage = %1</translation>
    </message>
    <message>
        <source>Piston Diameter= %1</source>
        <translation>Diamètre du piston = %1</translation>
    </message>
    <message>
        <source>Piston Stroke (mm)= %1</source>
        <translation>Course du piston (mm) = %1</translation>
    </message>
    <message>
        <source>Piston Throw= %1</source>
        <translation>Rayon de manivelle = %1</translation>
    </message>
    <message>
        <source>Regenerator Volume (cm3)= %1</source>
        <translation>Volume du régénérateur (cm3) = %1</translation>
    </message>
    <message>
        <source>Speed (rpm)= %1</source>
        <translation>Vitesse (tr/min) = %1</translation>
    </message>
    <message>
        <source>Temp (C): Cold= %1</source>
        <translation>Temp. (C) : froide = %1</translation>
    </message>
    <message>
        <source>Temp: Cold= %1</source>
        <translation>Temp. : froide = %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a parameter file of the %2: it holds none of its settings.</source>
        <translation>Le fichier « %1 » n’est pas un fichier de paramètres de la fenêtre « %2 » : il ne contient aucun de ses réglages.</translation>
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
        <translation>% du gaz</translation>
    </message>
    <message>
        <source>testing %1 through %2</source>
        <translation>essai de %1 à %2</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>tr/min</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Kelvane: Stirling engine simulators</source>
        <translation>Kelvane : simulateurs de moteurs Stirling</translation>
    </message>
    <message>
        <source>Two-piston</source>
        <translation>Deux pistons</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>Curseur : %1</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Diminuer</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 : augmenter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 : diminuer</translation>
    </message>
    <message>
        <source>Double-click on a yellow box to sweep it (&quot;Super Graphs&quot;).</source>
        <translation>Double-cliquez sur une case jaune pour la balayer (« super-graphiques »).</translation>
    </message>
    <message>
        <source>Print a one-page report</source>
        <translation>Imprimer un rapport d’une page</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>A link that opens this engine with these values</source>
        <translation>Un lien qui ouvre ce moteur avec ces valeurs</translation>
    </message>
    <message>
        <source>Link to this lesson</source>
        <translation>Lien vers cette leçon</translation>
    </message>
    <message>
        <source>Copy the link from the box below the buttons.</source>
        <translation>Copiez le lien depuis la case sous les boutons.</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Not swept.</source>
        <translation>Pas de balayage.</translation>
    </message>
    <message>
        <source>Sweeping…</source>
        <translation>Balayage en cours…</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The link names no engine &quot;%1&quot;: showing the first.</source>
        <translation>Le lien ne nomme aucun moteur « %1 » : le premier est affiché.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 is not a field of the %2: ignored.</source>
        <translation>%1 du lien n’est pas un champ de « %2 » : ignoré.</translation>
    </message>
    <message>
        <source>The link&apos;s %1 are not fields of the %2: ignored.</source>
        <translation>%1 du lien ne sont pas des champs de « %2 » : ignorés.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1: crank angle</source>
        <translation>%1 : angle de manivelle</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Show the chart&apos;s numbers as a table</source>
        <translation>Afficher les nombres du graphique sous forme de tableau</translation>
    </message>
    <message>
        <source>Save this chart as %1</source>
        <translation>Enregistrer ce graphique en %1</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, en fonction de %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1 : minimum %2 à %3, maximum %4 à %5, moyenne %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Pas encore de résultats.</translation>
    </message>
    <message>
        <source>Loading the engines…</source>
        <translation>Chargement des moteurs…</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Stirling Parameters (*.PAR)</source>
        <translation>Paramètres Stirling (*.PAR)</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>Aucune imprimante n’est installée : imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Work (pressure × volume units)</source>
        <translation>Travail (unités de pression × volume)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>SimulatorFrame</name>
    <message>
        <source>Print the current window contents</source>
        <translation>Imprimer le contenu de la fenêtre</translation>
    </message>
    <message>
        <source>Documentation (such as it is)</source>
        <translation>Documentation (telle qu’elle est)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>T&amp;utor</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enreg.</translation>
    </message>
    <message>
        <source>Save current set of parameters</source>
        <translation>Enregistrer les paramètres actuels</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>Load parameters from disk</source>
        <translation>Charger des paramètres depuis un fichier</translation>
    </message>
    <message>
        <source>Show P&amp;V</source>
        <translation>Voir P&amp;V</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>Hide P&amp;V</source>
        <translation>Masquer P&amp;V</translation>
    </message>
</context>
<context>
    <name>WidgetHost</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.
Kelvane starts with its default settings and leaves that file as it is.</source>
        <translation>Le fichier de réglages « %1 » ne peut pas être lu : %2.
Kelvane démarre avec ses réglages par défaut et laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <source>Kelvane cannot save its settings to &quot;%1&quot;%2.
The window places and values of this session will not be kept.</source>
        <translation>Kelvane ne peut pas enregistrer ses réglages dans « %1 »%2.
Les positions des fenêtres et les valeurs de cette session ne seront pas conservées.</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartMenu</name>
    <message>
        <source>&amp;Copy Image</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Enregistrer l’&amp;image...</translation>
    </message>
    <message>
        <source>Save &amp;Data...</source>
        <translation>Enregistrer les &amp;données...</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Enregistrer le &amp;rapport...</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Descri&amp;be</source>
        <translation>Décri&amp;re</translation>
    </message>
</context>
<context>
    <name>kelvane::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Graphique : %1</translation>
    </message>
    <message>
        <source>%1, along %2.</source>
        <translation>%1, selon %2.</translation>
    </message>
    <message>
        <source>%1: lowest %2 at %3, highest %4 at %5, mean %6.</source>
        <translation>%1 : minimum %2 à %3, maximum %4 à %5, moyenne %6.</translation>
    </message>
    <message>
        <source>No results yet.</source>
        <translation>Pas encore de résultats.</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Les pages d’aide sont en anglais.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
    </message>
</context>
<context>
    <name>kelvane::SimulatorFrame</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Enregistrer le &amp;rapport...</translation>
    </message>
    <message>
        <source>Engine picture</source>
        <translation>Image du moteur</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Engine picture.</source>
        <translation>Image du moteur.</translation>
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
        <translation>n (tr/min)</translation>
    </message>
    <message>
        <source>Bore (mm)</source>
        <translation>Alésage (mm)</translation>
    </message>
    <message>
        <source>Disp stroke (mm)</source>
        <translation>Course dépl. (mm)</translation>
    </message>
    <message>
        <source>Piston stroke (mm)</source>
        <translation>Course piston (mm)</translation>
    </message>
    <message>
        <source>Dead hot, regenerator, dead cold (cm3)</source>
        <translation>Mort chaud, régénérateur, mort froid (cm3)</translation>
    </message>
    <message>
        <source>Crank angle</source>
        <translation>Angle de manivelle</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Double-click a yellow box for a sweep</source>
        <translation>Double-clic sur une case jaune : balayage</translation>
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
        <translation>Pile d’appels</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Détails &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Terminate</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Compact &lt;&lt;</source>
        <translation>&amp;Compact &lt;&lt;</translation>
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
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Cyl. dépl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Déplaceur</translation>
    </message>
    <message>
        <source>Piston Throw</source>
        <translation>Rayon man.</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Double-click on yellow boxes to create &quot;Super Graphs&quot;</source>
        <translation>Double-clic sur les cases jaunes : « super-graphiques »</translation>
    </message>
</context>
<context>
    <name>kelvane::TKelvaneDispatchForm</name>
    <message>
        <source>Kelvane Stirling Engine Simulators</source>
        <translation>Kelvane : simulateurs de moteurs Stirling</translation>
    </message>
    <message>
        <source>R&amp;otary</source>
        <translation>R&amp;otatif</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <translation>&amp;Introduction</translation>
    </message>
    <message>
        <source>Licence: GPL-3+</source>
        <translation>Licence : GPL-3+</translation>
    </message>
    <message>
        <source>Release: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>The Rotary simulation is not available at this time.</source>
        <translation>La simulation du moteur rotatif n’est pas disponible pour le moment.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>La langue des fenêtres, à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>Kelvane will use %1 from its next start.</source>
        <translation>Kelvane utilisera : %1 à partir du prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>kelvane::TPopUpGraphForm</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Impr.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Sweep notes</source>
        <translation>Notes du balayage</translation>
    </message>
</context>
<context>
    <name>kelvane::TRiderStirlingMainForm</name>
    <message>
        <source>Hot</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Froid</translation>
    </message>
    <message>
        <source>Hot
Temp</source>
        <translation>Temp.
ch.</translation>
    </message>
    <message>
        <source>Temp (F)</source>
        <translation>Temp. (F)</translation>
    </message>
    <message>
        <source>Stroke Min</source>
        <translation>Course min.</translation>
    </message>
    <message>
        <source>Stroke Max</source>
        <translation>Course max.</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Re-compute all of the graphs</source>
        <translation>Recalculer tous les graphiques</translation>
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
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Disp Cyl</source>
        <translation>Cyl. dépl.</translation>
    </message>
    <message>
        <source>Displacer</source>
        <translation>Déplaceur</translation>
    </message>
    <message>
        <source>Displacer Piston</source>
        <translation>Piston déplaceur</translation>
    </message>
    <message>
        <source>Power Piston</source>
        <translation>Piston moteur</translation>
    </message>
    <message>
        <source>Strip Ch&amp;art</source>
        <translation>&amp;Défilement</translation>
    </message>
    <message>
        <source>All &amp;Data</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>Pan graphs to the left</source>
        <translation>Décaler les graphiques vers la gauche</translation>
    </message>
    <message>
        <source>Pan graphs to the right</source>
        <translation>Décaler les graphiques vers la droite</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Défiler à gauche</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Défiler à droite</translation>
    </message>
</context>
</TS>
