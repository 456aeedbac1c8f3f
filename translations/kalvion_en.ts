<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anfang</name>
    <message>
        <source>Stufe</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Stufe auf Grundgehalt</source>
        <translation>Step on base content</translation>
    </message>
    <message>
        <source>Aus Datei</source>
        <translation>From file</translation>
    </message>
    <message>
        <source>Letztes Ergebnis</source>
        <translation>Last result</translation>
    </message>
</context>
<context>
    <name>Anfangswahl</name>
    <message>
        <source>Das Anfangsprofil hat Punkte vor der Oberfläche (x &lt; 0).</source>
        <translation>The start profile has points before the surface (x &lt; 0).</translation>
    </message>
    <message>
        <source>Das Anfangsprofil reicht bis x = %1 µm, über x_max = %2 µm hinaus.</source>
        <translation>The start profile reaches x = %1 µm, beyond x_max = %2 µm.</translation>
    </message>
    <message>
        <source>Das letzte Ergebnis ist im Modell %1 gerechnet, gewählt ist %2: es kann nicht der Anfang sein.</source>
        <translation>The last result was computed in the model %1, %2 is chosen: it cannot be the start.</translation>
    </message>
    <message>
        <source>Das letzte Ergebnis ist für x_max = %1 µm gerechnet, gewählt ist %2 µm: es kann nicht der Anfang sein.</source>
        <translation>The last result was computed for x_max = %1 µm, %2 µm is chosen: it cannot be the start.</translation>
    </message>
    <message>
        <source>Es gibt kein aktuelles Ergebnis, das der Anfang sein könnte: erst rechnen.</source>
        <translation>There is no current result that could be the start: compute first.</translation>
    </message>
</context>
<context>
    <name>Anpassung</name>
    <message>
        <source>Das Messprofil begrenzt D nur nach oben: auch jedes kleinere D bis zur unteren Grenze des Suchbereichs passt im Rahmen der Streuung.</source>
        <translation>The measured profile bounds D from above only: every smaller D down to the lower bound of the search range fits within the scatter as well.</translation>
    </message>
    <message>
        <source>Das Messprofil begrenzt D nur nach unten: auch jedes größere D bis zur oberen Grenze des Suchbereichs passt im Rahmen der Streuung.</source>
        <translation>The measured profile bounds D from below only: every larger D up to the upper bound of the search range fits within the scatter as well.</translation>
    </message>
    <message numerus="yes">
        <source>Messprofil: %1 (%n Punkte)</source>
        <translation>
            <numerusform>Measured profile: %1 (%n point)</numerusform>
            <numerusform>Measured profile: %1 (%n points)</numerusform>
        </translation>
    </message>
    <message>
        <source>D = %1 cm²/s</source>
        <translation>D = %1 cm²/s</translation>
    </message>
    <message>
        <source> (Suchgrenze)</source>
        <translation> (search bound)</translation>
    </message>
    <message>
        <source>95-%-Intervall: %1 … %2 cm²/s</source>
        <translation>95 % interval: %1 … %2 cm²/s</translation>
    </message>
    <message>
        <source>RMS-Abweichung: %1 mol%</source>
        <translation>RMS deviation: %1 mol%</translation>
    </message>
    <message>
        <source>Do*1000 = %1 cm²/s  (bei Q = %2 J/mol und %3 °C)</source>
        <translation>D0·1000 = %1 cm²/s  (at Q = %2 J/mol and %3 °C)</translation>
    </message>
    <message>
        <source>Das Optimum liegt an der unteren Grenze des Suchbereichs: das Messprofil hat sich kaum vom Anfangsprofil entfernt, D ist nur nach oben begrenzt.</source>
        <translation>The optimum lies at the lower bound of the search range: the measured profile has hardly moved away from the initial profile, so D has an upper limit only.</translation>
    </message>
    <message>
        <source>Das Optimum liegt an der oberen Grenze des Suchbereichs: das Messprofil ist ausgeglichen (flach), D ist nur nach unten begrenzt.</source>
        <translation>The optimum lies at the upper bound of the search range: the measured profile is evened out (flat), so D has a lower limit only.</translation>
    </message>
    <message>
        <source>Das Messprofil enthält keine Information über D: jedes D des Suchbereichs passt gleich gut.</source>
        <translation>The measured profile holds no information on D: every D in the search range fits equally well.</translation>
    </message>
    <message>
        <source>c_s = %1 Mol%  (95-%-Intervall: %2 … %3 Mol%%4)</source>
        <translation>c_s = %1 mol%  (95 % interval: %2 … %3 mol%%4)</translation>
    </message>
    <message>
        <source>, nur auf einer Seite begrenzt</source>
        <translation>, bounded on one side only</translation>
    </message>
</context>
<context>
    <name>Bedingungen</name>
    <message>
        <source>Anfang Grundgehalt %1 Mol%</source>
        <translation>start on base content %1 mol%</translation>
    </message>
    <message>
        <source>Anfang vorgegebenes Profil</source>
        <translation>start from a given profile</translation>
    </message>
    <message>
        <source>letztes Ergebnis</source>
        <translation>last result</translation>
    </message>
    <message>
        <source>Oberfläche fest %1 Mol%</source>
        <translation>surface fixed at %1 mol%</translation>
    </message>
    <message>
        <source>Oberfläche Austausch beta %1 cm/s mit c_atm %2 Mol%</source>
        <translation>surface exchange beta %1 cm/s with c_atm %2 mol%</translation>
    </message>
    <message>
        <source>Oberfläche Austausch β %1 cm/s mit c_atm %2 Mol%</source>
        <translation>surface exchange β %1 cm/s with c_atm %2 mol%</translation>
    </message>
    <message>
        <source>Durch die Oberfläche abgegeben: %1 Mol% des Volumens; gesamt vorher %2 Mol%, nachher %3 Mol%</source>
        <translation>Lost through the surface: %1 mol% of the volume; total before %2 mol%, after %3 mol%</translation>
    </message>
    <message>
        <source>Durch die Oberfläche aufgenommen: %1 Mol% des Volumens; gesamt vorher %2 Mol%, nachher %3 Mol%</source>
        <translation>Taken up through the surface: %1 mol% of the volume; total before %2 mol%, after %3 mol%</translation>
    </message>
</context>
<context>
    <name>Befehle</name>
    <message>
        <source>Die Berechnung läuft noch.</source>
        <translation>The calculation is still running.</translation>
    </message>
    <message>
        <source>Noch keine aktuelle Berechnung durchgeführt!</source>
        <translation>No current calculation yet!</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen!</source>
        <translation>Saving failed!</translation>
    </message>
    <message>
        <source>Kalvion - Grafik speichern</source>
        <translation>Kalvion - Save graph</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Kalvion - Kurven speichern</source>
        <translation>Kalvion - Save curves</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Grafik speichern …</source>
        <translation>Save &amp;graph …</translation>
    </message>
    <message>
        <source>&amp;Kurven speichern …</source>
        <translation>Save c&amp;urves …</translation>
    </message>
    <message>
        <source>Kalvion - Messprofil laden</source>
        <translation>Kalvion - Load measured profile</translation>
    </message>
    <message>
        <source>Messprofile (*.csv *.txt *.dat)</source>
        <translation>Measured profiles (*.csv *.txt *.dat)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Kalvion-Parameter (*.kalvion)</source>
        <translation>Kalvion parameters (*.kalvion)</translation>
    </message>
    <message>
        <source>Kalvion - Parameter speichern</source>
        <translation>Kalvion - Save parameters</translation>
    </message>
    <message>
        <source>Kalvion - Parameter laden</source>
        <translation>Kalvion - Load parameters</translation>
    </message>
    <message>
        <source>kalvion-grafik.png</source>
        <translation>kalvion-graph.png</translation>
    </message>
    <message>
        <source>kalvion-kurven.csv</source>
        <translation>kalvion-curves.csv</translation>
    </message>
    <message>
        <source>„%1“: Grafiken werden als PNG (.png), SVG (.svg) oder PDF (.pdf) gespeichert.</source>
        <translation>“%1”: graphs are saved as PNG (.png), SVG (.svg) or PDF (.pdf).</translation>
    </message>
    <message>
        <source>Kalvion - Anfangsprofil laden</source>
        <translation>Kalvion - Load start profile</translation>
    </message>
    <message>
        <source>Profile und Ergebnisdateien (*.csv *.txt *.dat)</source>
        <translation>Profiles and results files (*.csv *.txt *.dat)</translation>
    </message>
</context>
<context>
    <name>Dauer</name>
    <message numerus="yes">
        <source>etwa %1 s</source>
        <translation>
            <numerusform>about %1 s</numerusform>
            <numerusform>about %1 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 min</source>
        <translation>
            <numerusform>about %1 min</numerusform>
            <numerusform>about %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 Stunden</source>
        <translation>
            <numerusform>about %1 hour</numerusform>
            <numerusform>about %1 hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 Stunde</source>
        <translation>
            <numerusform>about %1 hour</numerusform>
            <numerusform>about %1 hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 Tage</source>
        <translation>
            <numerusform>about %1 day</numerusform>
            <numerusform>about %1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 Jahre</source>
        <translation>
            <numerusform>about %1 year</numerusform>
            <numerusform>about %1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>etwa %1 Jahr</source>
        <translation>
            <numerusform>about %1 year</numerusform>
            <numerusform>about %1 years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Eingabedatei</name>
    <message>
        <source>ein Ordner, keine Datei</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>eine benannte Pipe (FIFO), keine gewöhnliche Datei</source>
        <translation>a named pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>ein Socket, keine gewöhnliche Datei</source>
        <translation>a socket, not a regular file</translation>
    </message>
    <message>
        <source>ein Gerät, keine gewöhnliche Datei</source>
        <translation>a device, not a regular file</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>Ergebnisdatei</name>
    <message>
        <source>Öffnen fehlgeschlagen: %1</source>
        <translation>Opening failed: %1</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen: %1</source>
        <translation>Writing failed: %1</translation>
    </message>
    <message>
        <source>Schließen fehlgeschlagen: %1</source>
        <translation>Closing failed: %1</translation>
    </message>
</context>
<context>
    <name>Feld</name>
    <message>
        <source>Sintertemperatur in °C</source>
        <translation>sintering temperature in °C</translation>
    </message>
    <message>
        <source>Sinterdauer in h</source>
        <translation>sintering time in h</translation>
    </message>
    <message>
        <source>Gesamtdiffusionsweg x_max in µm</source>
        <translation>total diffusion path x_max in µm</translation>
    </message>
    <message>
        <source>Zahl</source>
        <translation>number</translation>
    </message>
    <message>
        <source>D0 · 1000 in cm²/s, wie im Dialog</source>
        <translation>D0·1000 in cm²/s, as in the dialog</translation>
    </message>
    <message>
        <source>Aktivierungsenergie Q in J/mol</source>
        <translation>activation energy Q in J/mol</translation>
    </message>
    <message>
        <source>Zellen, die bei Start 100 % enthalten</source>
        <translation>cells holding 100 % at the start</translation>
    </message>
    <message>
        <source>Sintertemp. [°C]</source>
        <translation>Sintering temp. [°C]</translation>
    </message>
    <message>
        <source>Sinterzeit [h]</source>
        <translation>Sintering time [h]</translation>
    </message>
    <message>
        <source>x_max [µm]</source>
        <translation>x_max [µm]</translation>
    </message>
    <message>
        <source>Do*1000  [cm²/s]</source>
        <translation>D0·1000  [cm²/s]</translation>
    </message>
    <message>
        <source>Q aktiv. [ J/mol ]</source>
        <translation>Q activ. [ J/mol ]</translation>
    </message>
    <message>
        <source>i_Diff   (1-199)</source>
        <translation>i_Diff   (1-199)</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>x_max %1 µm</source>
        <translation>x_max %1 µm</translation>
    </message>
    <message>
        <source>D0·1000 %1 cm²/s</source>
        <translation>D0·1000 %1 cm²/s</translation>
    </message>
    <message>
        <source>Q %1 J/mol</source>
        <translation>Q %1 J/mol</translation>
    </message>
    <message>
        <source>i_Diff %1</source>
        <translation>i_Diff %1</translation>
    </message>
    <message>
        <source>c0 [Mol%]</source>
        <translation>c0 [mol%]</translation>
    </message>
    <message>
        <source>Grundgehalt in Mol%</source>
        <translation>base content in mol%</translation>
    </message>
    <message>
        <source>c_s [Mol%]</source>
        <translation>c_s [mol%]</translation>
    </message>
    <message>
        <source>Randkonzentration in Mol%</source>
        <translation>surface concentration in mol%</translation>
    </message>
    <message>
        <source>β [cm/s]</source>
        <translation>β [cm/s]</translation>
    </message>
    <message>
        <source>Stoffübergangskoeffizient β in cm/s</source>
        <translation>mass transfer coefficient β in cm/s</translation>
    </message>
    <message>
        <source>c_atm [Mol%]</source>
        <translation>c_atm [mol%]</translation>
    </message>
    <message>
        <source>Gehalt der Atmosphäre in Mol%</source>
        <translation>atmosphere&apos;s content in mol%</translation>
    </message>
</context>
<context>
    <name>Geometrie</name>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>zylindrisch</source>
        <translation>cylindrical</translation>
    </message>
    <message>
        <source>sphärisch</source>
        <translation>spherical</translation>
    </message>
    <message>
        <source>:/bilder/linear.svg</source>
        <translation>:/bilder/en/linear.svg</translation>
    </message>
    <message>
        <source>:/bilder/zylinder.svg</source>
        <translation>:/bilder/en/zylinder.svg</translation>
    </message>
    <message>
        <source>:/bilder/kugel.svg</source>
        <translation>:/bilder/en/kugel.svg</translation>
    </message>
</context>
<context>
    <name>Grafikexport</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>nach 10 Schritten</source>
        <translation>after 10 steps</translation>
    </message>
    <message>
        <source>nach 100 Schritten</source>
        <translation>after 100 steps</translation>
    </message>
    <message>
        <source>nach 1000 Schritten</source>
        <translation>after 1000 steps</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>, Messung: %1</source>
        <translation>, measured: %1</translation>
    </message>
    <message>
        <source>Modell %1, T = %2 °C, t = %3 h, x_max = %4 µm, D0·1000 = %5 cm²/s, Q = %6 J/mol, i_Diff = %7</source>
        <translation>Model %1, T = %2 °C, t = %3 h, x_max = %4 µm, D0·1000 = %5 cm²/s, Q = %6 J/mol, i_Diff = %7</translation>
    </message>
    <message>
        <source>Konzentration [Mol%]</source>
        <translation>Concentration [mol%]</translation>
    </message>
</context>
<context>
    <name>Lauf</name>
    <message numerus="yes">
        <source>%1 Fehler</source>
        <translation>
            <numerusform>%1 error (negative flux)</numerusform>
            <numerusform>%1 errors (negative fluxes)</numerusform>
        </translation>
    </message>
    <message>
        <source> (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)</source>
        <translation> in the first 1000 steps (computed in one jump after that)</translation>
    </message>
    <message numerus="yes">
        <source>%1 Fehler (Werte außerhalb des Bereichs ihrer Nachbarn)</source>
        <translation>
            <numerusform>%1 error (a value outside the range of its neighbours)</numerusform>
            <numerusform>%1 errors (values outside the range of their neighbours)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Laufhinweise</name>
    <message>
        <source>Die Berechnung dauert voraussichtlich %1.
Schnell rechnen (nach Schritt 1000 in einem Sprung, sofort fertig) oder schrittweise?</source>
        <translation>The calculation will probably take %1.
Compute fast (one jump after step 1000, done at once) or stepwise?</translation>
    </message>
    <message>
        <source>   noch %1</source>
        <translation>   %1 left</translation>
    </message>
    <message>
        <source> Bitte eine kürzere Sinterzeit oder einen längeren Diffusionsweg wählen.</source>
        <translation> Please choose a shorter sintering time or a longer diffusion path.</translation>
    </message>
    <message>
        <source>Die Zahl der Zeitschritte lässt sich für diese Parameter nicht bestimmen.</source>
        <translation>The number of time steps cannot be determined for these parameters.</translation>
    </message>
    <message>
        <source>Die Berechnung bräuchte unendlich viele Zeitschritte.</source>
        <translation>The calculation would need infinitely many time steps.</translation>
    </message>
    <message>
        <source>Die Berechnung bräuchte %1 Zeitschritte, mehr als das Programm zählen kann (höchstens %2).</source>
        <translation>The calculation would need %1 time steps, more than the program can count (at most %2).</translation>
    </message>
    <message>
        <source>&amp;Schnell rechnen</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>Sch&amp;rittweise</source>
        <translation>&amp;Stepwise</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Die Berechnung dauert voraussichtlich %1.
Mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt gerechnet. Trotzdem rechnen?</source>
        <translation>The calculation will probably take %1.
With exchange at the surface a temperature programme is computed stepwise. Compute all the same?</translation>
    </message>
</context>
<context>
    <name>Messprofil</name>
    <message>
        <source>Zeile %1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):
%2</source>
        <translation>Line %1 is neither a header line nor a measured point (two numbers):
%2</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Messpunkte.</source>
        <translation>The file holds no measured points.</translation>
    </message>
    <message>
        <source>Zu wenige Messpunkte: %1 (mindestens %2).</source>
        <translation>Too few measured points: %1 (at least %2).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:
%1</source>
        <translation>Unable to read the file:
%1</translation>
    </message>
    <message>
        <source>x = %1 µm (Zeile %2)</source>
        <translation>x = %1 µm (line %2)</translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Messpunkte außerhalb des Diffusionswegs 0 … %1 µm:
%2</source>
        <translation>Measured points outside the diffusion path 0 … %1 µm:
%2</translation>
    </message>
    <message>
        <source>Die Datei ist in UTF-16 gespeichert. UTF-16 wird nicht gelesen; bitte als UTF-8 oder Windows-1252 speichern.</source>
        <translation>The file is saved as UTF-16. UTF-16 is not read; please save it as UTF-8 or Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Nullbytes und ist keine Textdatei; bitte als UTF-8 oder Windows-1252 speichern.</source>
        <translation>The file holds zero bytes and is no text file; please save it as UTF-8 or Windows-1252.</translation>
    </message>
    <message>
        <source>Zeile %1 passt nicht zu den %2 Spalten der Kopfzeile (je Spalte eine Zahl oder nichts):
%3</source>
        <translation>Line %1 does not fit the %2 columns of the header line (a number or nothing in each column):
%3</translation>
    </message>
    <message>
        <source>Die Datei hat mehrere Wertespalten: %1. Bitte eine davon wählen.</source>
        <translation>The file has several value columns: %1. Please choose one of them.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Wertespalte „%1“; ihre Wertespalten: %2.</source>
        <translation>The file has no value column “%1”; its value columns: %2.</translation>
    </message>
    <message>
        <source>Spalte %1 ist die Tiefe x; die Wertespalten: %2.</source>
        <translation>Column %1 is the depth x; the value columns: %2.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Wertespalte %1; ihre Wertespalten: %2.</source>
        <translation>The file has no value column %1; its value columns: %2.</translation>
    </message>
    <message>
        <source>Zeile %1: eine Konzentration unter %2 oder über %3 Mol% kann keine Messung sein:
%4</source>
        <translation>Line %1: a concentration below %2 or above %3 mol% cannot be a measurement:
%4</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>„%1“ (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>Zu wenige verschiedene Tiefen: %1 Messpunkte bei nur %2 verschiedenen x (mindestens %3).</source>
        <translation>Too few different depths: %1 measured points at only %2 different x (at least %3).</translation>
    </message>
    <message>
        <source>Nicht gelesen: %1 ist %2.</source>
        <translation>Not read: %1 is %2.</translation>
    </message>
    <message>
        <source>Nicht gelesen: %1 ist zu groß (mehr als %2).</source>
        <translation>Not read: %1 is too large (more than %2).</translation>
    </message>
    <message>
        <source>„%1“ hat mehrere Wertespalten. Welche soll geladen werden?</source>
        <translation>“%1” has several value columns. Which one shall be loaded?</translation>
    </message>
    <message>
        <source>Zeile %1 ist nicht der Anfang eines Ergebnisblocks:
%2</source>
        <translation>Line %1 is not the beginning of a results block:
%2</translation>
    </message>
    <message>
        <source>Zeile %1 sollte die Spaltenköpfe eines Ergebnisblocks („ort x [µm] … Konzentration“) enthalten:
%2</source>
        <translation>Line %1 should hold the column titles of a results block (“ort x [µm] … Konzentration”):
%2</translation>
    </message>
    <message>
        <source>Zeile %1 ist weder eine Zeile „x Konzentration“ eines Ergebnisblocks noch der Anfang des nächsten:
%2</source>
        <translation>Line %1 is neither a row “x concentration” of a results block nor the beginning of the next:
%2</translation>
    </message>
    <message>
        <source>Zeile %1: eine Konzentration unter %3 oder über %4 Mol% kann kein Ergebnis sein:
%2</source>
        <translation>Line %1: a concentration below %3 or above %4 mol% cannot be a result:
%2</translation>
    </message>
    <message>
        <source>Zeile %1: der Ergebnisblock hat keine Zeilen:
%2</source>
        <translation>Line %1: the results block has no rows:
%2</translation>
    </message>
    <message numerus="yes">
        <source>%1, Block %2 von %2: %n Punkte</source>
        <translation>
            <numerusform>%1, block %2 of %2: %n point</numerusform>
            <numerusform>%1, block %2 of %2: %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Punkte</source>
        <translation>
            <numerusform>%1: %n point</numerusform>
            <numerusform>%1: %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Oberflaeche</name>
    <message>
        <source>geschlossen</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>feste Randkonzentration</source>
        <translation>fixed surface concentration</translation>
    </message>
    <message>
        <source>Austausch mit der Atmosphäre</source>
        <translation>exchange with the atmosphere</translation>
    </message>
</context>
<context>
    <name>Parameterdatei</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 = %2 ist nicht erlaubt.</source>
        <translation>Parameter file: %1 = %2 is not allowed.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 fehlt oder ist kein Text.</source>
        <translation>Parameter file: %1 is missing or not a text.</translation>
    </message>
    <message>
        <source>Keine Kalvion-Parameterdatei (kein JSON-Objekt).</source>
        <translation>Not a Kalvion parameter file (no JSON object).</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 fehlt oder ist keine Zahl.</source>
        <translation>Parameter file: %1 is missing or not a number.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 fehlt oder ist kein Objekt.</source>
        <translation>Parameter file: %1 is missing or not an object.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 fehlt oder ist keine Liste.</source>
        <translation>Parameter file: %1 is missing or not a list.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1: %2</source>
        <translation>Parameter file: %1: %2</translation>
    </message>
    <message>
        <source>Die Parameterdatei %1 kann nicht gelesen werden.</source>
        <translation>Unable to read the parameter file %1.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 ist mehrfach angegeben.</source>
        <translation>Parameter file: %1 is given more than once.</translation>
    </message>
    <message>
        <source>Die Parameterdatei %1 ist %2.</source>
        <translation>The parameter file %1 is %2.</translation>
    </message>
    <message>
        <source>Die Parameterdatei %1 ist zu groß (mehr als %2).</source>
        <translation>The parameter file %1 is too large (more than %2).</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 hat %2 Punkte, nötig sind mindestens %3.</source>
        <translation>Parameter file: %1 has %2 points, at least %3 are needed.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 = %2 ist eine unbekannte Version (erwartet %3 oder %4).</source>
        <translation>Parameter file: %1 = %2 is an unknown version (expected %3 or %4).</translation>
    </message>
    <message>
        <source>Parameterdatei: %1: x = %2 µm liegt hinter x_max = %3 µm.</source>
        <translation>Parameter file: %1: x = %2 µm lies beyond x_max = %3 µm.</translation>
    </message>
    <message>
        <source>Parameterdatei: %1 hat %2 Punkte bei nur %3 verschiedenen x, nötig sind mindestens %4.</source>
        <translation>Parameter file: %1 has %2 points at only %3 different x, at least %4 are needed.</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>entspricht %1 h bei %2 °C</source>
        <translation>equals %1 h at %2 °C</translation>
    </message>
    <message>
        <source>Starttemperatur: 0 bis 10000 °C erlaubt.</source>
        <translation>Start temperature: 0 to 10000 °C allowed.</translation>
    </message>
    <message>
        <source>Das Programm hat noch kein Segment.</source>
        <translation>The programme has no segment yet.</translation>
    </message>
    <message>
        <source>Höchstens %1 Segmente erlaubt.</source>
        <translation>At most %1 segments allowed.</translation>
    </message>
    <message>
        <source>Zeile %1, Rate: größer als 0 K/min oder „sofort“.</source>
        <translation>Row %1, rate: greater than 0 K/min or “immediate”.</translation>
    </message>
    <message>
        <source>Zeile %1, Ziel: 0 bis 10000 °C erlaubt.</source>
        <translation>Row %1, target: 0 to 10000 °C allowed.</translation>
    </message>
    <message>
        <source>Zeile %1, Halten: 0 bis 10000 h erlaubt.</source>
        <translation>Row %1, hold: 0 to 10000 h allowed.</translation>
    </message>
    <message>
        <source>Die Gesamtdauer muss größer als 0 und höchstens 10000 h sein.</source>
        <translation>The total duration must be greater than 0 and at most 10000 h.</translation>
    </message>
    <message>
        <source>Die gleichwertige Zeit %1 h liegt nicht über 0 h.</source>
        <translation>The equivalent time %1 h is not above 0 h.</translation>
    </message>
    <message>
        <source>Programm: %1</source>
        <translation>Programme: %1</translation>
    </message>
    <message>
        <source>sofort</source>
        <translation>immediate</translation>
    </message>
    <message>
        <source>Starttemperatur: „%1“ hat das falsche Dezimalzeichen (hier: %2).</source>
        <translation>Start temperature: “%1” has the wrong decimal sign (here: %2).</translation>
    </message>
    <message>
        <source>Zeile %1, Rate: „%2“ hat das falsche Dezimalzeichen (hier: %3).</source>
        <translation>Row %1, rate: “%2” has the wrong decimal sign (here: %3).</translation>
    </message>
    <message>
        <source>Zeile %1, Ziel: „%2“ hat das falsche Dezimalzeichen (hier: %3).</source>
        <translation>Row %1, target: “%2” has the wrong decimal sign (here: %3).</translation>
    </message>
    <message>
        <source>Zeile %1, Halten: „%2“ hat das falsche Dezimalzeichen (hier: %3).</source>
        <translation>Row %1, hold: “%2” has the wrong decimal sign (here: %3).</translation>
    </message>
</context>
<context>
    <name>Vergleich</name>
    <message>
        <source>Grundgehalt %1 Mol%</source>
        <translation>base content %1 mol%</translation>
    </message>
    <message>
        <source>Start aus %1</source>
        <translation>start from %1</translation>
    </message>
    <message>
        <source>Start aus letztem Ergebnis</source>
        <translation>start from the last result</translation>
    </message>
    <message>
        <source>Oberfläche geschlossen</source>
        <translation>surface closed</translation>
    </message>
    <message>
        <source>Oberfläche %1 Mol%</source>
        <translation>surface %1 mol%</translation>
    </message>
    <message>
        <source>gleiche Parameter</source>
        <translation>same parameters</translation>
    </message>
    <message>
        <source>β %1 cm/s</source>
        <translation>β %1 cm/s</translation>
    </message>
    <message>
        <source>c_atm %1 Mol%</source>
        <translation>c_atm %1 mol%</translation>
    </message>
</context>
<context>
    <name>kalvion::Programmtabelle</name>
    <message>
        <source>Rate [K/min]</source>
        <translation>Rate [K/min]</translation>
    </message>
    <message>
        <source>Ziel [°C]</source>
        <translation>Target [°C]</translation>
    </message>
    <message>
        <source>Halten [h]</source>
        <translation>Hold [h]</translation>
    </message>
</context>
<context>
    <name>kalvion::cli</name>
    <message>
        <source>  Hinweis: </source>
        <translation>  Note: </translation>
    </message>
    <message>
        <source>Pfad</source>
        <translation>path</translation>
    </message>
    <message>
        <source>hängt je Lauf einen Block an die Ergebnisdatei an, Byte
für Byte wie &quot;Speichern als ASCII&quot; im Fenster (Zahlen in
der Spracheinstellung des Systems): die Blöcke sammeln
sich in einer unsichtbaren Datei im selben Ordner und
kommen am Ende alle an oder, wenn es misslingt, keiner</source>
        <translation>appends one block per run to the results file, byte
for byte as &quot;Save as ASCII&quot; in the window (numbers in
the system&apos;s locale): the blocks gather in a hidden
file in the same folder and all arrive at the end
or, if that fails, none</translation>
    </message>
    <message>
        <source>die Tabelle (CSV nach RFC 4180, Dezimalpunkt) auf die
Standardausgabe; ohne: eine Zeile je Lauf zum Lesen</source>
        <translation>the table (CSV after RFC 4180, decimal point) on standard
output; without it: one readable line per run</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>eine Parameterdatei (.kalvion, &quot;Parameter speichern …&quot; im
Fenster) als Grundlage: ihre Felder, ihr Modell und ihr
Temperaturprogramm; daneben angegebene Optionen gelten vor</source>
        <translation>a parameter file (.kalvion, &quot;Save parameters …&quot; in the
window) as the basis: its fields, its model and its
temperature programme; options given beside it win</translation>
    </message>
    <message>
        <source>das Temperaturprogramm einer Parameterdatei (nur dieses);
jeder Lauf ist dann der gleichwertige Lauf bei der
höchsten Temperatur T_ref für die Zeit t_eq, --temperatur
und --zeit entfallen</source>
        <translation>the temperature programme of a parameter file (only
that); each run is then the equivalent run at the
highest temperature T_ref for the time t_eq; no
--temperatur and --zeit</translation>
    </message>
    <message>
        <source>die Haltezeit des Segments mit dem höchsten Ziel in h
(auch Liste oder Bereich); erlaubt: 0 &lt; Wert ≤ 10000</source>
        <translation>the hold of the segment with the highest target in h
(also a list or range); allowed: 0 &lt; value ≤ 10000</translation>
    </message>
    <message>
        <source>die Rate jedes aufheizenden Segments in K/min (auch
Liste oder Bereich); erlaubt: Wert &gt; 0</source>
        <translation>the rate of every heating segment in K/min (also a
list or range); allowed: value &gt; 0</translation>
    </message>
    <message>
        <source>Datei@T</source>
        <translation>file@T</translation>
    </message>
    <message>
        <source>ebenso, bei der Sintertemperatur T in °C; mehrfach
angegeben außerdem D0 und Q aus ln D über 1/T
(gewichtete Regression) mit ihren Standardfehlern</source>
        <translation>likewise, at the sintering temperature T in °C; given
more than once also D0 and Q from ln D over 1/T
(weighted regression) with their standard errors</translation>
    </message>
    <message>
        <source>N Läufe zugleich (Vorgabe: einer je Rechenkern); die
Ausgabe hängt nicht davon ab</source>
        <translation>N runs at once (default: one per core); the output
does not depend on it</translation>
    </message>
    <message>
        <source>nur den K-ten von N zusammenhängenden, fast gleich großen
Teilen der Studie; die Teile 1 bis N hintereinander
ergeben die ganze Studie (den Tabellenkopf hat Teil 1)</source>
        <translation>only the K-th of N contiguous, nearly equal slices of
the study; slices 1 to N one after the other make the
whole study (slice 1 has the table header)</translation>
    </message>
    <message>
        <source>erlaubt mehr als 100000 Läufe in einem Aufruf</source>
        <translation>allows more than 100000 runs in one call</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>die Version</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>; auch %1</source>
        <translation>; also %1</translation>
    </message>
    <message>
        <source> oder </source>
        <translation> or </translation>
    </message>
    <message>
        <source>, Startwert </source>
        <translation>, default </translation>
    </message>
    <message>
        <source>
erlaubt: </source>
        <translation>
allowed: </translation>
    </message>
    <message>
        <source> (die gerundete Zellenzahl)</source>
        <translation> (the rounded cell count)</translation>
    </message>
    <message>
        <source>Aufruf: kalvion-cli [Optionen]

Rechnet die Diffusion beim Sintern ohne Fenster, mit denselben Zahlen wie
Kalvion, wenn dieselben Werte im Eingabedialog stehen, &quot;ok&quot; und dann
&quot;Berechnung Starten&quot; gedrückt wird. Jede Zahlenoption nimmt auch eine Liste
oder einen Bereich; dann wird jede Kombination gerechnet (eine Studie).

Parameter (ohne Angabe gilt der Startwert des Programms):
</source>
        <translation>Usage: kalvion-cli [options]

Computes the diffusion during sintering without a window, with the same
numbers as Kalvion when the same values stand in the input dialog and &quot;ok&quot;
and then &quot;Start calculation&quot; are pressed. Every number option also takes a
list or a range; then every combination is computed (a study).

Every option also answers to its English name, listed after the German one.

Parameters (when not given, the program&apos;s default applies):
</translation>
    </message>
    <message>
        <source>
Zahlen stehen immer mit Dezimalpunkt (1.5), gleich welche Spracheinstellung
gilt; das Komma trennt Listeneinträge (--zeit 1,5 sind die Zeiten 1 h und
5 h). Ein Wert, den der Dialog zurücksetzen oder ablehnen würde, ist ein
Fehler: nichts wird gerechnet oder geschrieben.

Studien:
  Liste             1000,1050,1100
  Bereich           1000:1200:50 (Anfang:Ende:Schritt; das Ende zählt mit, wenn
                    es getroffen wird; der Schritt darf negativ sein)
  gemischt          900,1000:1200:100
  Modelle           --modell linear,sphaerisch
</source>
        <translation>
Numbers are always written with a decimal point (1.5), whatever the locale;
the comma separates list entries (--zeit 1,5 are the times 1 h and 5 h). A
value the dialog would reset or refuse is an error: nothing is computed or
written.

Studies:
  list              1000,1050,1100
  range             1000:1200:50 (start:end:step; the end counts if it is
                    hit; the step may be negative)
  mixed             900,1000:1200:100
  models            --model linear,spherical
</translation>
    </message>
    <message>
        <source>Eine mehrfach angegebene Option zählt wie eine Liste. Gerechnet wird jede Kombination, in der Reihenfolge der Optionen im Dialog: </source>
        <translation>An option given more than once counts as a list. Every combination is computed, in the order of the options in the dialog: </translation>
    </message>
    <message>
        <source>; die letzte wechselt am schnellsten. Diese Reihenfolge gilt für die Blöcke der Ergebnisdatei, die Zeilen der Tabelle und die Teile von --teil, gleich wie viele Läufe zugleich rechnen.</source>
        <translation>; the last changes fastest. This order holds for the blocks of the results file, the rows of the table and the slices of --teil, however many runs compute at once.</translation>
    </message>
    <message>
        <source>
Ausgabe:
</source>
        <translation>
Output:
</translation>
    </message>
    <message>
        <source>Tabellenspalten: </source>
        <translation>Table columns: </translation>
    </message>
    <message>
        <source>, Kelvin, D, Schritte, Molprozent, Fehler (negative Flüsse; beim Sprung nur die der ersten 1000 Schritte), Sprung (1 oder 0) und das Endprofil in den Zellen 1, 50, 100, 150 und 200 (Konz_1 ... Konz_200).</source>
        <translation>, Kelvin, D, Schritte (steps), Molprozent (mol%), Fehler (negative fluxes; with the jump only those of the first 1000 steps), Sprung (jump, 1 or 0) and the final profile in cells 1, 50, 100, 150 and 200 (Konz_1 ... Konz_200).</translation>
    </message>
    <message>
        <source>  Mit einem Temperaturprogramm kommen vier Spalten dazu: halten, rate (des
  ersten aufheizenden Segments; leer bei sofort), T_ref und t_eq; temperatur
  und zeit sind dann T_ref und t_eq.

Parameterdatei und Temperaturprogramm:
</source>
        <translation>  With a temperature programme four columns join them: halten (hold), rate
  (of the first heating segment; empty for immediate), T_ref and t_eq;
  temperatur and zeit are then T_ref and t_eq.

Parameter file and temperature programme:
</translation>
    </message>
    <message>
        <source>  Eine Studie über --programm-halten und --programm-rate läuft wie die
  übrigen Optionen, nach i-diff, die Rate am schnellsten.

Ablauf:
</source>
        <translation>  A study over --programm-halten and --programm-rate runs like the other
  options, after i-diff, the rate fastest.

Running:
</translation>
    </message>
    <message>
        <source>
Messprofile (statt zu rechnen):
</source>
        <translation>
Measured profiles (instead of computing):
</translation>
    </message>
    <message>
        <source>  Modell, Zeit, x_max und i-diff kommen aus den Optionen (je ein Wert); Q
  für das D0 eines einzelnen Profils. Ausgabe: D mit 95-%-Intervall, die
  RMS-Abweichung und D0 (· 1000 cm²/s) bzw. D0 und Q; mit --tabelle als CSV
  mit den Spalten art, datei, temperatur, Kelvin, punkte, D, D_unten, D_oben,
  RMS, befund, D0, D0_fehler, Q, Q_fehler.
</source>
        <translation>  Model, time, x_max and i-diff come from the options (one value each); Q
  for the D0 of a single profile. Output: D with its 95 % interval, the RMS
  deviation and D0 (· 1000 cm²/s), or D0 and Q; with --tabelle as CSV with
  the columns art, datei, temperatur, Kelvin, punkte, D, D_unten, D_oben,
  RMS, befund, D0, D0_fehler, Q, Q_fehler.
</translation>
    </message>
    <message>
        <source>
Hilfe: kalvion-cli --help</source>
        <translation>
Help: kalvion-cli --help</translation>
    </message>
    <message>
        <source>Wert %1 %2</source>
        <translation>value %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 Wert ≤ %3</source>
        <translation>%1 %2 value ≤ %3</translation>
    </message>
    <message>
        <source> (die Obergrenze nach dem Runden)</source>
        <translation> (the upper bound after rounding)</translation>
    </message>
    <message>
        <source>Stab</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Faser, Draht</source>
        <translation>fibre, wire</translation>
    </message>
    <message>
        <source>Teilchen</source>
        <translation>particle</translation>
    </message>
    <message>
        <source>%1, %2 °C, %3 h, %4 µm, D0 %5, Q %6, i_Diff %7: %8 Schritte, %9 Gesamtmol%, </source>
        <translation>%1, %2 °C, %3 h, %4 µm, D0·1000 %5, Q %6, i_Diff %7: %8 steps, %9 total mol%, </translation>
    </message>
    <message>
        <source>Läufe: %1 von %2 fertig (%3 %)</source>
        <translation>Runs: %1 of %2 done (%3 %)</translation>
    </message>
    <message>
        <source>, Restzeit wird geschätzt</source>
        <translation>, estimating the time left</translation>
    </message>
    <message>
        <source>, gleich fertig</source>
        <translation>, done in a moment</translation>
    </message>
    <message>
        <source>, noch etwa %1</source>
        <translation>, about %1 left</translation>
    </message>
    <message>
        <source> (Suchgrenze)</source>
        <translation> (search bound)</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 °C: D = %3 cm²/s (95 %: %4 … %5), RMS %6 mol%, %n Punkte
</source>
        <translation>
            <numerusform>%1, %2 °C: D = %3 cm²/s (95 %: %4 … %5), RMS %6 mol%, %n point
</numerusform>
            <numerusform>%1, %2 °C: D = %3 cm²/s (95 %: %4 … %5), RMS %6 mol%, %n points
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; hat nicht die Form DATEI@TEMPERATUR (etwa scan.csv@1100)</source>
        <translation>%1: &quot;%2&quot; does not have the form FILE@TEMPERATURE (such as scan.csv@1100)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: eine Datei gehört zu genau einer Temperatur</source>
        <translation>%1: &quot;%2&quot;: a file belongs to exactly one temperature</translation>
    </message>
    <message numerus="yes">
        <source>--anpassen braucht einen einzelnen Parametersatz; die Optionen ergeben %n Läufe</source>
        <translation>
            <numerusform>--anpassen needs a single parameter set; the options make %n run</numerusform>
            <numerusform>--anpassen needs a single parameter set; the options make %n runs</numerusform>
        </translation>
    </message>
    <message>
        <source>--anpassen: für D0 und Q braucht es Messprofile bei mindestens zwei verschiedenen Temperaturen</source>
        <translation>--anpassen: D0 and Q need measured profiles at two or more different temperatures</translation>
    </message>
    <message>
        <source>D0 = %1 (1000 · cm²/s) bei Q = %2 J/mol
</source>
        <translation>D0 = %1 (1000 · cm²/s) at Q = %2 J/mol
</translation>
    </message>
    <message numerus="yes">
        <source>Arrhenius aus %n Messprofilen%1:
</source>
        <translation>
            <numerusform>Arrhenius from %n measured profile%1:
</numerusform>
            <numerusform>Arrhenius from %n measured profiles%1:
</numerusform>
        </translation>
    </message>
    <message>
        <source> (ungewichtet: ein Intervall ist offen)</source>
        <translation> (unweighted: an interval is open)</translation>
    </message>
    <message>
        <source>unbekannte Option %1%2</source>
        <translation>unknown option %1%2</translation>
    </message>
    <message>
        <source>nach %1 fehlt der Wert</source>
        <translation>missing value after %1</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>unlesbare Befehlszeile (%1)</source>
        <translation>unreadable command line (%1)</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben</source>
        <translation>%1 is given more than once</translation>
    </message>
    <message>
        <source>%1: der Dateiname fehlt</source>
        <translation>%1: the file name is missing</translation>
    </message>
    <message>
        <source>%1 braucht einen Dateinamen</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>--verfahren: &quot;%1&quot; ist kein Verfahren; erlaubt sind schrittweise, schnell und auto</source>
        <translation>--verfahren: &quot;%1&quot; is not a method; allowed are stepwise, fast and auto</translation>
    </message>
    <message>
        <source>--threads: &quot;%1&quot; ist keine ganze Zahl von 1 bis 1024</source>
        <translation>--threads: &quot;%1&quot; is not a whole number from 1 to 1024</translation>
    </message>
    <message>
        <source>%1: keine Sinterzeit</source>
        <translation>%1: no sintering time</translation>
    </message>
    <message>
        <source>--programm %1: die Datei enthält kein Temperaturprogramm</source>
        <translation>--programm %1: the file holds no temperature programme</translation>
    </message>
    <message>
        <source>%1 gilt nur mit einem Temperaturprogramm (--programm oder --parameter mit Programm)</source>
        <translation>%1 applies only with a temperature programme (--programm, or --parameter with a programme)</translation>
    </message>
    <message>
        <source>%1 entfällt mit einem Temperaturprogramm: Temperatur und Zeit kommen aus dem Programm</source>
        <translation>%1 does not apply with a temperature programme: temperature and time come from the programme</translation>
    </message>
    <message>
        <source>die Studie hat mehr Läufe, als sich zählen lassen</source>
        <translation>the study has more runs than can be counted</translation>
    </message>
    <message>
        <source> (in diesem Teil %1)</source>
        <translation> (%1 in this slice)</translation>
    </message>
    <message numerus="yes">
        <source>die Studie umfasst %n Läufe%1, mehr als %2; mit --viele wird sie trotzdem gerechnet</source>
        <translation>
            <numerusform>the study has %n run%1, more than %2; with --viele it is computed all the same</numerusform>
            <numerusform>the study has %n runs%1, more than %2; with --viele it is computed all the same</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Option; Werte stehen hinter ihrer Option, etwa --temperatur 1100</source>
        <translation>&quot;%1&quot; is not an option; values follow their option, such as --temperatur 1100</translation>
    </message>
    <message>
        <source>--messung: der Dateiname fehlt</source>
        <translation>--messung: the file name is missing</translation>
    </message>
    <message numerus="yes">
        <source>--messung gilt bei einer einzigen Temperatur; --temperatur hat %n Werte (mehrere Messprofile: --anpassen Datei@T)</source>
        <translation>
            <numerusform>--messung applies at a single temperature; --temperatur has %n value (several measured profiles: --anpassen file@T)</numerusform>
            <numerusform>--messung applies at a single temperature; --temperatur has %n values (several measured profiles: --anpassen file@T)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 gilt nicht zusammen mit --messung oder --anpassen</source>
        <translation>%1 does not go together with --messung or --anpassen</translation>
    </message>
    <message>
        <source>--datei braucht einen Dateinamen; die Ergebnisdatei kann nicht die Standardausgabe (-) sein</source>
        <translation>--datei needs a file name; the results file cannot be standard output (-)</translation>
    </message>
    <message>
        <source>--kurven - und --tabelle schreiben beide auf die Standardausgabe; nur eines von beiden</source>
        <translation>--kurven - and --tabelle both write to standard output; only one of them</translation>
    </message>
    <message>
        <source>ein Ordner, keine Datei</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>kein Platz auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>das Kontingent auf dem Datenträger ist erschöpft</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>die Datei würde zu groß</source>
        <translation>the file would become too large</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfads ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>zu viele symbolische Verknüpfungen</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>zu wenig Arbeitsspeicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>der Leser hat die Verbindung geschlossen</source>
        <translation>the reader has closed the connection</translation>
    </message>
    <message>
        <source>kein solches Gerät</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>die Datei ist in Gebrauch</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>vorübergehend nicht möglich</source>
        <translation>temporarily not possible</translation>
    </message>
    <message>
        <source>unterbrochen</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>nicht zum Schreiben geöffnet</source>
        <translation>not open for writing</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>der Ordner %1 ist schreibgeschützt</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>Öffnen fehlgeschlagen: %1</source>
        <translation>cannot open: %1</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen: %1</source>
        <translation>cannot write: %1</translation>
    </message>
    <message>
        <source>Schließen fehlgeschlagen: %1</source>
        <translation>cannot close: %1</translation>
    </message>
    <message>
        <source>Umbenennen fehlgeschlagen: %1</source>
        <translation>cannot rename: %1</translation>
    </message>
    <message>
        <source>Hinweis: Schritt für Schritt dauert das voraussichtlich etwa %1; --verfahren schnell rechnet nach Schritt 1000 in einem Sprung</source>
        <translation>note: stepwise this will probably take about %1; --method fast computes the rest in one jump after step 1000</translation>
    </message>
    <message>
        <source>der Ordner %1 existiert nicht; nichts gerechnet, nichts geschrieben</source>
        <translation>the folder %1 does not exist; nothing computed, nothing written</translation>
    </message>
    <message>
        <source>Speichern in %1 fehlgeschlagen (Öffnen fehlgeschlagen: %2); nichts gerechnet, nichts geschrieben</source>
        <translation>unable to save to %1 (cannot open: %2); nothing computed, nothing written</translation>
    </message>
    <message>
        <source>Speichern der Kurven in %1 fehlgeschlagen (Öffnen fehlgeschlagen: %2); nichts gerechnet, nichts geschrieben</source>
        <translation>unable to save the curves to %1 (cannot open: %2); nothing computed, nothing written</translation>
    </message>
    <message>
        <source>--datei und --kurven nennen dieselbe Datei %1</source>
        <translation>--datei and --kurven name the same file %1</translation>
    </message>
    <message>
        <source>Speichern in %1 fehlgeschlagen (%2); nichts gerechnet, nichts geschrieben</source>
        <translation>unable to save to %1 (%2); nothing computed, nothing written</translation>
    </message>
    <message>
        <source>abgebrochen (%1); nichts geschrieben, die Ergebnisdatei ist unverändert</source>
        <translation>stopped (%1); nothing written, the results file is unchanged</translation>
    </message>
    <message>
        <source>die Standardausgabe ließ sich nicht schreiben (%1); nichts geschrieben, die Dateien sind, wie sie waren</source>
        <translation>unable to write to standard output (%1); nothing written, the files are as they were</translation>
    </message>
    <message>
        <source>die Zeichenkodierung Windows-1252 der Ergebnisdatei ist nicht verfügbar; nichts geschrieben</source>
        <translation>the character encoding Windows-1252 of the results file is not available; nothing written</translation>
    </message>
    <message>
        <source>Speichern in %1 fehlgeschlagen (%2); die Datei ist, wie sie war</source>
        <translation>unable to save to %1 (%2); the file is as it was</translation>
    </message>
    <message>
        <source>Speichern der Kurven in %1 fehlgeschlagen (%2); nichts geschrieben, die Dateien sind, wie sie waren</source>
        <translation>unable to save the curves to %1 (%2); nothing written, the files are as they were</translation>
    </message>
    <message>
        <source>die Standardausgabe ließ sich nicht schreiben (%1)</source>
        <translation>unable to write to standard output (%1)</translation>
    </message>
    <message>
        <source>zu wenig Arbeitsspeicher; nichts geschrieben, die Dateien sind, wie sie waren</source>
        <translation>not enough memory; nothing written, the files are as they were</translation>
    </message>
    <message>
        <source>ein Thread für die Rechnung ließ sich nicht starten (%1); zu wenig Arbeitsspeicher? Nichts geschrieben, die Dateien sind, wie sie waren</source>
        <translation>unable to start a thread for the computation (%1); not enough memory? Nothing written, the files are as they were</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source> (oder %1)</source>
        <translation> (or %1)</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein Modell; erlaubt sind %3, auch als Liste %4,%5</source>
        <translation>%1: &quot;%2&quot; is not a model; allowed are %3, also as a list such as %4,%5</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein Teil; erwartet wird K/N mit 1 ≤ K ≤ N, zum Beispiel 3/10</source>
        <translation>%1: &quot;%2&quot; is not a slice; expected is K/N with 1 ≤ K ≤ N, for example 3/10</translation>
    </message>
    <message>
        <source>Lauf %1 (%2): mit dem Diffusionskoeffizienten D = %3 lässt sich die Schrittweite nicht bilden; der Eingabedialog lehnt das ab (&quot;Unerlaubte Eingabe !&quot;)</source>
        <translation>run %1 (%2): with the diffusion coefficient D = %3 no time step can be formed; the input dialog refuses this (&quot;Invalid input!&quot;)</translation>
    </message>
    <message>
        <source>Lauf %1 (%2) hätte %3 Zeitschritte, mehr als sich zählen lassen (höchstens 2^53 = 9007199254740992); kürzere Zeit, längerer Weg, niedrigere Temperatur, kleineres D0 oder größeres Q wählen</source>
        <translation>run %1 (%2) would take %3 time steps, more than can be counted (at most 2^53 = 9007199254740992); choose a shorter time, a longer path, a lower temperature, a smaller D0 or a larger Q</translation>
    </message>
    <message>
        <source>unendlich viele</source>
        <translation>infinitely many</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb des erlaubten Bereichs %3</source>
        <translation>%1: %2 lies outside the allowed range %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist zu klein (näher an 0 als die kleinste Zahl 5e-324)</source>
        <translation>%1: &quot;%2&quot; is too small (closer to 0 than the smallest number 5e-324)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist zu klein (die kleinste Zahl ist -1.7976931348623157e+308)</source>
        <translation>%1: &quot;%2&quot; is too small (the smallest number is -1.7976931348623157e+308)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist zu groß (die größte Zahl ist 1.7976931348623157e+308)</source>
        <translation>%1: &quot;%2&quot; is too large (the largest number is 1.7976931348623157e+308)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl (Zahlen mit Dezimalpunkt, zum Beispiel 1.5)</source>
        <translation>%1: &quot;%2&quot; is not a number (numbers with a decimal point, for example 1.5)</translation>
    </message>
    <message>
        <source>%1: leere Angabe; erwartet wird ein Wert, eine Liste wie 1000,1050,1100 oder ein Bereich wie 1000:1200:50</source>
        <translation>%1: empty value; expected is a value, a list such as 1000,1050,1100 or a range such as 1000:1200:50</translation>
    </message>
    <message>
        <source>%1: leerer Eintrag in der Liste &quot;%2&quot;</source>
        <translation>%1: empty entry in the list &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein Bereich; ein Bereich ist Anfang:Ende:Schritt, zum Beispiel 1000:1200:50</source>
        <translation>%1: &quot;%2&quot; is not a range; a range is start:end:step, for example 1000:1200:50</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; im Bereich &quot;%3&quot; ist keine Zahl (Zahlen mit Dezimalpunkt, zum Beispiel 1.5)</source>
        <translation>%1: &quot;%2&quot; in the range &quot;%3&quot; is not a number (numbers with a decimal point, for example 1.5)</translation>
    </message>
    <message>
        <source>%1: der Bereich &quot;%2&quot; hat zu viele Stellen, um ihn genau zu zählen</source>
        <translation>%1: the range &quot;%2&quot; has too many digits to be counted exactly</translation>
    </message>
    <message>
        <source>%1: der Bereich &quot;%2&quot; hat die Schrittweite 0</source>
        <translation>%1: the range &quot;%2&quot; has the step 0</translation>
    </message>
    <message>
        <source>%1: der Bereich &quot;%2&quot; kommt mit der Schrittweite %3 nie von %4 nach %5</source>
        <translation>%1: with the step %3, the range &quot;%2&quot; never gets from %4 to %5</translation>
    </message>
    <message>
        <source>die fünf Kurven eines Laufs als CSV-Tabelle wie &quot;Kurven
speichern …&quot; im Fenster (Trenn- und Dezimalzeichen nach
der Spracheinstellung des Systems); bei einer Studie, in
der nur eine Option mehrere Werte hat (--zeit 2,4,8), das
Endprofil jedes Laufs als Spalte, benannt nach seinem
Wert (&quot;4 h&quot;); eine vorhandene Datei wird ganz oder gar
nicht ersetzt; - schreibt sie auf die Standardausgabe</source>
        <translation>the five curves of one run as a CSV table as &quot;Save
curves …&quot; in the window (separator and decimal sign
after the system&apos;s locale); in a study where only one
option has several values (--zeit 2,4,8), the final
profile of every run as a column, named by its value
(&quot;4 h&quot;); an existing file is replaced wholly or not at
all; - writes it to standard output</translation>
    </message>
    <message>
        <source>--kurven vergleicht Läufe, die sich in einer Option unterscheiden; hier haben %1 mehrere Werte</source>
        <translation>--kurven compares runs that differ in one option; here %1 have several values</translation>
    </message>
    <message numerus="yes">
        <source>--kurven schreibt je Lauf eine Spalte, für höchstens %1 Läufe; diese Studie hat %n Läufe</source>
        <translation>
            <numerusform>--kurven writes one column per run, for at most %1 runs; this study has %n run</numerusform>
            <numerusform>--kurven writes one column per run, for at most %1 runs; this study has %n runs</numerusform>
        </translation>
    </message>
    <message>
        <source> (--spalte NAME oder --spalte NUMMER)</source>
        <translation> (--column NAME or --column NUMBER)</translation>
    </message>
    <message>
        <source>  Hinweis: Q &lt; 0 heißt, D fällt mit steigender Temperatur; gehören Dateien und Temperaturen zusammen (vertauscht)?
</source>
        <translation>  Note: Q &lt; 0 means that D falls as the temperature rises; do the files and the temperatures belong together (swapped)?
</translation>
    </message>
    <message>
        <source>NAME|NUMMER</source>
        <translation>NAME|NUMBER</translation>
    </message>
    <message>
        <source>bei Dateien mit mehreren Wertespalten (etwa der
Kurventabelle von &quot;Kurven speichern …&quot;): die Spalte mit
diesem Namen aus der Kopfzeile (auch ohne Einheit:
Ende) oder dieser Nummer (die erste Spalte ist 1);
ohne: die einzige Wertespalte oder das Endprofil</source>
        <translation>for files with several value columns (such as the curve
table of &quot;Save curves …&quot;): the column of this name in
the header line (also without its unit: Ende) or of
this number (the first column is 1); without it: the
only value column or the final profile</translation>
    </message>
    <message>
        <source>--spalte: die Angabe fehlt; erwartet wird der Name einer Spalte aus der Kopfzeile oder ihre Nummer</source>
        <translation>--spalte: the value is missing; expected is the name of a column in the header line or its number</translation>
    </message>
    <message>
        <source>--spalte: &quot;%1&quot; ist keine Spaltennummer; die erste Spalte ist 1</source>
        <translation>--spalte: &quot;%1&quot; is no column number; the first column is 1</translation>
    </message>
    <message>
        <source>; --verfahren schnell rechnet nach Schritt 1000 in einem Sprung (in Sekundenbruchteilen), --verfahren schrittweise trotzdem jeden Schritt</source>
        <translation>; --method fast computes the rest in one jump after step 1000 (in fractions of a second), --method stepwise every step all the same</translation>
    </message>
    <message>
        <source>Schritt für Schritt dauert die Rechnung voraussichtlich etwa %1 (%2 Zeitschritte), länger als %3 s</source>
        <translation>stepwise, the computation will probably take about %1 (%2 time steps), longer than %3 s</translation>
    </message>
    <message>
        <source>Lauf %1 (%2) dauert Schritt für Schritt voraussichtlich etwa %3 (%4 Zeitschritte), länger als %5 s</source>
        <translation>stepwise, run %1 (%2) will probably take about %3 (%4 time steps), longer than %5 s</translation>
    </message>
    <message>
        <source>Hinweis: das dauert voraussichtlich etwa %1</source>
        <translation>note: this will probably take about %1</translation>
    </message>
    <message>
        <source>passt D an das Messprofil der Datei an (zwei Spalten: x
in µm ab der Oberfläche, Konzentration in Mol%; getrennt
durch ; , Tabulator oder Leerzeichen; oder eine Tabelle
mit Kopfzeile und Spalte &quot;x [µm]&quot;; höchstens 10 MiB),
bei --temperatur</source>
        <translation>fits D to the measured profile in the file (two columns:
x in µm from the surface, concentration in mol%; split
by ; , tab or blank; or a table with a header line and
a column &quot;x [µm]&quot;; at most 10 MiB), at --temperatur</translation>
    </message>
    <message>
        <source>schrittweise: jeder Zeitschritt, wie im Fenster (Vorgabe)
schnell: nach Schritt 1000 ein Sprung über den Rest
(bis auf 1e-9 Mol% gleich, in Sekundenbruchteilen)
auto: der Sprung nur, wo Schritte mal Zellen 30 Millionen
übersteigt (Schritt für Schritt etwa 0.05 s); eine feste
Grenze, damit jeder Rechner dasselbe rechnet
Ohne --verfahren wird ein Lauf abgelehnt, der Schritt für
Schritt länger als 30 s dauern würde (das Fenster fragt
dann nach); mit --verfahren wird gerechnet wie angegeben.</source>
        <translation>stepwise: every time step, as in the window (default)
fast: after step 1000 one jump over the rest
(equal to within 1e-9 mol%, in fractions of a second)
auto: the jump only where steps times cells exceed 30
million (stepwise about 0.05 s); a fixed limit, so
that every machine computes the same
Without --method a run that would take longer than 30 s
stepwise is refused (the window asks then); with
--method it is computed as told.</translation>
    </message>
    <message>
        <source>  Auf einem Terminal zeigt die Standardfehlerausgabe eine Fortschrittszeile.
  Die Zeilen der Standardausgabe kommen in der Reihenfolge der Studie, jede,
  sobald alle früheren fertig sind. Die Dateien werden vor der ersten Rechnung
  geprüft (eine gewöhnliche Datei, die geschrieben werden darf, oder ein
  Ordner, in dem sie entstehen darf) und erst am Ende geschrieben, alle
  zusammen und nach der Standardausgabe. Gelesen werden nur gewöhnliche
  Dateien: eine benannte Pipe, ein Gerät, ein Socket oder ein Ordner wird
  sofort abgelehnt, ebenso eine Parameterdatei über 1 MiB und ein
  Messprofil über 10 MiB.
  Strg+C (SIGINT) oder SIGTERM halten die Rechnung an, beim Lesen, Prüfen,
  Rechnen und Schreiben; geschrieben wird dann nichts, die Ergebnisdatei
  bleibt, wie sie war.

Exit-Status:
  0    alles gerechnet und geschrieben
  1    Schreiben misslungen, auch auf die Standardausgabe, oder zu wenig
       Arbeitsspeicher (alle Dateien bleiben, wie sie waren); eine
       geschlossene Pipe (etwa | head) endet ebenso, nur ohne Meldung
  2    falsche Eingabe (nichts gerechnet, nichts geschrieben)
  130  abgebrochen mit Strg+C (SIGINT), 143 mit SIGTERM

Beispiele:
  kalvion-cli --temperatur 1100 --zeit 1.5 --datei ergebnis.txt
  kalvion-cli --modell linear,sphaerisch --temperatur 1000:1200:50 \
              --tabelle &gt; studie.csv
  kalvion-cli --weg 30 --zeit 1,2,4,8 --q 230000:250000:5000 --verfahren auto
  kalvion-cli --temperatur 900:1300:10 --zeit 1:100:1 --datei studie.txt \
              --teil 3/10
  kalvion-cli --zeit 4 --weg 40 --anpassen scan_1000.csv@1000 \
              --anpassen scan_1100.csv@1100 --anpassen scan_1200.csv@1200
</source>
        <translation>  On a terminal, standard error shows a progress line. The lines of standard
  output come in the order of the study, each as soon as all earlier ones are
  done. The files are checked before the first computation (an ordinary file
  that may be written, or a folder it may be created in) and written only at
  the end, all together and after standard output. Only ordinary files are
  read: a named pipe, a device, a socket or a folder is refused at once, as
  is a parameter file above 1 MiB and a measured profile above 10 MiB.
  Ctrl+C (SIGINT) or SIGTERM stop the computation, while reading, checking,
  computing and writing; then nothing is written, the results file stays as
  it was.

Exit status:
  0    everything computed and written
  1    writing failed, standard output too, or too little memory (all files
       stay as they were); a closed pipe (such as | head) ends alike, only
       without a message
  2    wrong input (nothing computed, nothing written)
  130  stopped with Ctrl+C (SIGINT), 143 with SIGTERM

Examples:
  kalvion-cli --temperature 1100 --time 1.5 --file result.txt
  kalvion-cli --model linear,spherical --temperature 1000:1200:50 \
              --table &gt; study.csv
  kalvion-cli --path 30 --time 1,2,4,8 --q 230000:250000:5000 --method auto
  kalvion-cli --temperature 900:1300:10 --time 1:100:1 --file study.txt \
              --slice 3/10
  kalvion-cli --time 4 --path 40 --fit scan_1000.csv@1000 \
              --fit scan_1100.csv@1100 --fit scan_1200.csv@1200
</translation>
    </message>
    <message>
        <source>wie das Profil anfängt: stufe (Vorgabe: i-diff Zellen bei
100 Mol%, die übrigen bei 0), grundgehalt:C (die Stufe auf
dem Grundgehalt C in Mol%, 0 ≤ C ≤ 100; auch Liste oder
Bereich) oder datei:PFAD (ein Profil aus einer Datei:
Messprofil, Kurventabelle mit --spalte, oder der letzte
Block einer Ergebnisdatei); mehrfach angegeben jeder
Anfang ein Wert der Studie</source>
        <translation>how the profile starts: step (default: i-diff cells at
100 mol%, the others at 0), base:C (the step on the base
content C in mol%, 0 ≤ C ≤ 100; also a list or a range)
or file:PATH (a profile from a file: a measured profile,
a curve table with --column, or the last block of a
results file); given several times, each start is a
value of the study</translation>
    </message>
    <message>
        <source>--spalte gilt nur mit --messung, --anpassen oder --start datei:PFAD</source>
        <translation>--spalte applies only with --messung, --anpassen or --start file:PATH</translation>
    </message>
    <message>
        <source>ANFANG</source>
        <translation>START</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein Anfang; erlaubt sind %3</source>
        <translation>%1: &quot;%2&quot; is no start; allowed are %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: %3 nimmt keinen Wert</source>
        <translation>%1: &quot;%2&quot;: %3 takes no value</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: der Grundgehalt fehlt, etwa %3:0.2</source>
        <translation>%1: &quot;%2&quot;: the base content is missing, such as %3:0.2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: der Dateiname fehlt</source>
        <translation>%1: &quot;%2&quot;: the file name is missing</translation>
    </message>
    <message>
        <source>  c_s = %1 mol% (95 %: %2 … %3)%4
</source>
        <translation>  c_s = %1 mol% (95 %: %2 … %3)%4
</translation>
    </message>
    <message>
        <source>, nur auf einer Seite begrenzt</source>
        <translation>, bounded on one side only</translation>
    </message>
    <message>
        <source>--anpassen: mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt gerechnet; daran lässt sich D nicht anpassen</source>
        <translation>--anpassen: with exchange at the surface a temperature programme is computed stepwise; D cannot be fitted to it</translation>
    </message>
    <message>
        <source>RAND</source>
        <translation>SURFACE</translation>
    </message>
    <message>
        <source>was durch die Oberfläche geht: geschlossen (Vorgabe:
nichts), konzentration:C (die Oberfläche bei C Mol%
gehalten, 0 ≤ C ≤ 100; auch Liste oder Bereich) oder
austausch:BETA,C (Austausch mit einer Atmosphäre von C
Mol% durch β = BETA cm/s, 0 ≤ BETA ≤ 1000; BETA und C je
ein Wert oder Bereich, weitere Werte durch Wiederholen
der Option); mehrfach angegeben jede ein Wert der
Studie; mit --messung oder --anpassen passt
konzentration ohne Wert auch C an</source>
        <translation>what crosses the surface: closed (default: nothing),
concentration:C (the surface held at C mol%,
0 ≤ C ≤ 100; also a list or a range) or
exchange:BETA,C (exchange with an atmosphere of C mol%
through β = BETA cm/s, 0 ≤ BETA ≤ 1000; BETA and C each
a value or a range, more values by giving the option
again); given several times, each is a value of the
study; with --messung or --anpassen, concentration
without a value fits C too</translation>
    </message>
    <message>
        <source>
Anfang und Oberfläche:
</source>
        <translation>
Start and surface:
</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Oberfläche; erlaubt sind %3</source>
        <translation>%1: &quot;%2&quot; is no surface; allowed are %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: die Randkonzentration fehlt, etwa %3:0</source>
        <translation>%1: &quot;%2&quot;: the surface concentration is missing, such as %3:0</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: %3 braucht BETA,C (β in cm/s und c_atm in Mol%, je ein Wert oder ein Bereich), etwa %3:1e-5,0; mehrere Werte: die Option noch einmal angeben</source>
        <translation>%1: &quot;%2&quot;: %3 needs BETA,C (β in cm/s and c_atm in mol%, each a value or a range), such as %3:1e-5,0; more values: give the option again</translation>
    </message>
    <message>
        <source>; mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt gerechnet, ohne Sprung; --verfahren schrittweise rechnet es trotzdem</source>
        <translation>; with exchange at the surface a temperature programme is computed stepwise, without a jump; --method stepwise computes it all the same</translation>
    </message>
    <message>
        <source>Mit offener Oberfläche ist der Zeitschritt kleiner (dx²/(3 D) statt dx²/(2 D)), und Fehler zählt die Zellen, die den Bereich der Werte verlassen, aus denen sie gemischt werden; ein Temperaturprogramm mit Austausch wird Schritt für Schritt gerechnet. Tabellenspalten mit einem Anfang: anfang, c0 und startdatei; mit einer Oberfläche: oberflaeche, c_s, beta, c_atm, aufgenommen (Mol% des Volumens, abgegeben unter 0) und Molprozent_Ende.</source>
        <translation>With an open surface the time step is smaller (dx²/(3 D) instead of dx²/(2 D)), and Fehler counts the cells that leave the range of the values they are mixed from; a temperature programme with exchange is computed stepwise. Table columns with a start: anfang, c0 and startdatei; with a surface: oberflaeche, c_s, beta, c_atm, aufgenommen (mol% of the volume taken up, lost below 0) and Molprozent_Ende.</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_Eingabe</name>
    <message>
        <source>Kalvion - Eingabe</source>
        <translation>Kalvion - Input</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <source> -&gt;  D  [cm²/s]</source>
        <translation> -&gt;  D  [cm²/s]</translation>
    </message>
    <message>
        <source>-&gt; Gesamt [Mol%]</source>
        <translation>-&gt; Total [mol%]</translation>
    </message>
    <message>
        <source>-&gt; Rechenschritte</source>
        <translation>-&gt; Time steps</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>200 (gleich lange) Zellen längs Diffusionsweg der Länge  x_max  [ µm ]</source>
        <translation>200 cells (of equal length) along the diffusion path of length  x_max  [ µm ]</translation>
    </message>
    <message>
        <source> i_diff (gleich lange) Zellen bei Start mit diffundierendem Stoff belegt</source>
        <translation> i_diff cells (of equal length) filled with the diffusing substance at the start</translation>
    </message>
    <message>
        <source>-&gt; Gesamt-Mol% entsprechend modellabhängiger Volumina berechnet</source>
        <translation>-&gt; total mol% computed from the model&apos;s volumes</translation>
    </message>
    <message>
        <source>Temperaturprogramm …</source>
        <translation>Temperature programme …</translation>
    </message>
    <message>
        <source>Unerlaubte Eingabe !</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>– (D = 0)</source>
        <translation>– (D = 0)</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>Anfangsprofil</source>
        <translation>Start profile</translation>
    </message>
    <message>
        <source>Datei …</source>
        <translation>File …</translation>
    </message>
    <message>
        <source>%1, gesamt %2 Mol%</source>
        <translation>%1, total %2 mol%</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Oberfläche</source>
        <translation>Surface</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_Programm</name>
    <message>
        <source>Kalvion - Temperaturprogramm</source>
        <translation>Kalvion - Temperature programme</translation>
    </message>
    <message>
        <source>Starttemperatur [°C]</source>
        <translation>Start temperature [°C]</translation>
    </message>
    <message>
        <source>Rate „sofort“: ohne Rampe zum Ziel.</source>
        <translation>Rate “immediate”: straight to the target, no ramp.</translation>
    </message>
    <message>
        <source>Höchstens %1 Segmente erlaubt.</source>
        <translation>At most %1 segments allowed.</translation>
    </message>
    <message>
        <source>Segment &amp;hinzufügen</source>
        <translation>&amp;Add segment</translation>
    </message>
    <message>
        <source>Segment &amp;entfernen</source>
        <translation>&amp;Remove segment</translation>
    </message>
    <message>
        <source>&amp;ok</source>
        <translation>&amp;ok</translation>
    </message>
    <message>
        <source>&amp;Kein Programm</source>
        <translation>&amp;No programme</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_anpassung</name>
    <message>
        <source>Kalvion - Anpassung an Messprofil</source>
        <translation>Kalvion - Fit to measured profile</translation>
    </message>
    <message>
        <source>D0 übernehmen</source>
        <translation>Use D0</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Randkonzentration c_s mit anpassen</source>
        <translation>Fit the surface concentration c_s too</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_grafik</name>
    <message>
        <source>Berechnung &amp;Starten</source>
        <translation>&amp;Start calculation</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Berechnung &amp;Abbrechen</source>
        <translation>&amp;Cancel calculation</translation>
    </message>
    <message>
        <source>&amp;Speichern als ASCII</source>
        <translation>&amp;Save as ASCII</translation>
    </message>
    <message>
        <source>&amp;Parameter speichern …</source>
        <translation>Save &amp;parameters …</translation>
    </message>
    <message>
        <source>Parameter &amp;laden …</source>
        <translation>&amp;Load parameters …</translation>
    </message>
    <message>
        <source>&amp;Messprofil laden …</source>
        <translation>Load &amp;measured profile …</translation>
    </message>
    <message>
        <source>Messprofil &amp;entfernen</source>
        <translation>&amp;Remove measured profile</translation>
    </message>
    <message>
        <source>An Messprofil a&amp;npassen</source>
        <translation>&amp;Fit to measured profile</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Eingabe</source>
        <translation>&amp;Input</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>Grafik in Zwischenablage</source>
        <translation>Graph copied to the clipboard</translation>
    </message>
    <message>
        <source>Die Berechnung läuft noch.</source>
        <translation>The calculation is still running.</translation>
    </message>
    <message>
        <source>Kein Messprofil geladen!</source>
        <translation>No measured profile loaded!</translation>
    </message>
    <message>
        <source>Ergebnis &amp;behalten</source>
        <translation>&amp;Keep result</translation>
    </message>
    <message>
        <source>Behaltene Ergebnisse ent&amp;fernen</source>
        <translation>&amp;Remove kept results</translation>
    </message>
    <message>
        <source>Dieses Ergebnis ist schon behalten.</source>
        <translation>This result is kept already.</translation>
    </message>
    <message>
        <source>Es sind schon %1 Ergebnisse behalten, mehr zeigt die Grafik nicht (Bearbeiten → Behaltene Ergebnisse entfernen).</source>
        <translation>%1 results are kept already, the graph shows no more (Edit → Remove kept results).</translation>
    </message>
    <message>
        <source>Ergebnis als &amp;Anfangsprofil</source>
        <translation>Result as &amp;start profile</translation>
    </message>
    <message>
        <source>Mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt gerechnet; daran lässt sich D nicht anpassen.</source>
        <translation>With exchange at the surface a temperature programme is computed stepwise; D cannot be fitted to it.</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_info</name>
    <message>
        <source>Kalvion - Info</source>
        <translation>Kalvion - Info</translation>
    </message>
    <message>
        <source>Kalvion.exe    -   Version %1          Kalvion-Projekt  02.2009</source>
        <translation>Kalvion.exe    -   Version %1          Kalvion project  02.2009</translation>
    </message>
    <message>
        <source>Kontakt:  Fehlerberichte im Kalvion-Projekt</source>
        <translation>Contact:  bug reports in the Kalvion project</translation>
    </message>
</context>
<context>
    <name>kalvion::frm_speichern</name>
    <message>
        <source>Kalvion  -  Daten  speichern</source>
        <translation>Kalvion  -  Save  data</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;ok</source>
        <translation>&amp;ok</translation>
    </message>
    <message>
        <source>Zugriff nicht möglich!</source>
        <translation>Folder not accessible!</translation>
    </message>
    <message>
        <source>Die Berechnung läuft noch.</source>
        <translation>The calculation is still running.</translation>
    </message>
    <message>
        <source>Noch keine aktuelle Berechnung durchgeführt!</source>
        <translation>No current calculation yet!</translation>
    </message>
    <message>
        <source>Dateiname fehlt!</source>
        <translation>File name missing!</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen!</source>
        <translation>Saving failed!</translation>
    </message>
    <message>
        <source>„%1“ ist keine Kalvion-Ergebnisdatei. Trotzdem anhängen?</source>
        <translation>“%1” is not a Kalvion results file. Append anyway?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
