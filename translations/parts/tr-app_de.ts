<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CChartCommands</name>
    <message>
        <source>Save Chart as PDF</source>
        <translation>Tabelle als PDF speichern</translation>
    </message>
    <message>
        <source>Export Chart as &amp;CSV…</source>
        <translation>Tabelle als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Save Chart as P&amp;DF…</source>
        <translation>Tabelle als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>Pr&amp;int Chart…</source>
        <translation>Tabelle dr&amp;ucken…</translation>
    </message>
    <message>
        <source>Export Chart as CSV</source>
        <translation>Tabelle als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabelle</translation>
    </message>
</context>
<context>
    <name>CDialogUserChoices</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>CPageOutput</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Open Practice Folder</source>
        <translation>Praxisordner öffnen</translation>
    </message>
    <message>
        <source>No Symptom recorded</source>
        <translation>Kein Symptom erfasst</translation>
    </message>
    <message>
        <source>Error during Printer setup</source>
        <translation>Fehler bei der Druckereinrichtung</translation>
    </message>
    <message>
        <source>Error in StartDoc</source>
        <translation>Fehler beim Starten des Druckauftrags (StartDoc)</translation>
    </message>
    <message>
        <source>Select Patient</source>
        <translation>Patient auswählen</translation>
    </message>
</context>
<context>
    <name>quillon::CAboutDialog</name>
    <message>
        <source>About Quillon</source>
        <translation>Über Quillon</translation>
    </message>
    <message>
        <source>none open (File &amp;gt; Open Practice Folder chooses one)</source>
        <translation>keiner geöffnet (Datei &amp;gt; Praxisordner öffnen wählt einen aus)</translation>
    </message>
    <message>
        <source>Case viewer and repertorisation workbench for homeopathic practitioners.</source>
        <translation>Fallansicht und Repertorisations-Arbeitsplatz für homöopathische Behandler.</translation>
    </message>
    <message>
        <source>Licence: %1. Quillon comes with no warranty.</source>
        <translation>Lizenz: %1. Quillon wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Practice folder:</source>
        <translation>Praxisordner:</translation>
    </message>
    <message>
        <source>Data of the sample practice</source>
        <translation>Daten der Beispielpraxis</translation>
    </message>
    <message>
        <source>Rubrics and grades: J. T. Kent, &lt;i&gt;Repertory of the Homoeopathic Materia Medica&lt;/i&gt; (1897), public domain, from the homeoint.org transcription as converted by kent_repertory_etl (MIT).</source>
        <translation>Rubriken und Grade: J. T. Kent, &lt;i&gt;Repertory of the Homoeopathic Materia Medica&lt;/i&gt; (1897), gemeinfrei, aus der Transkription von homeoint.org, umgewandelt mit kent_repertory_etl (MIT).</translation>
    </message>
    <message>
        <source>Remedy names and kingdoms: mmwiki (CC0 1.0); natural orders from J. H. Clarke, &lt;i&gt;A Dictionary of Practical Materia Medica&lt;/i&gt; (1900&amp;ndash;1902), public domain.</source>
        <translation>Arzneinamen und Naturreiche: mmwiki (CC0 1.0); natürliche Ordnungen aus J. H. Clarke, &lt;i&gt;A Dictionary of Practical Materia Medica&lt;/i&gt; (1900&amp;ndash;1902), gemeinfrei.</translation>
    </message>
    <message>
        <source>Periodic table: Periodic-Table-JSON (CC BY-SA 3.0, data from Wikipedia).</source>
        <translation>Periodensystem: Periodic-Table-JSON (CC BY-SA 3.0, Daten aus Wikipedia).</translation>
    </message>
    <message>
        <source>Patients, case records, follow-ups and remedy properties are invented or illustrative.</source>
        <translation>Patienten, Fallaufnahmen, Folgebesuche und Arzneimitteleigenschaften sind erfunden oder dienen der Veranschaulichung.</translation>
    </message>
</context>
<context>
    <name>quillon::CCaseBookCommands</name>
    <message>
        <source>Save &amp;Analysis…	Ctrl+S</source>
        <translation>&amp;Analyse speichern…	Ctrl+S</translation>
    </message>
    <message>
        <source>Op&amp;en Analysis…</source>
        <translation>Analys&amp;e öffnen…</translation>
    </message>
    <message>
        <source>Export Case &amp;Book…</source>
        <translation>Fall&amp;buch exportieren…</translation>
    </message>
    <message>
        <source>I&amp;mport Case Book…</source>
        <translation>Fallbuch i&amp;mportieren…</translation>
    </message>
    <message>
        <source>Case &amp;Book</source>
        <translation>Fall&amp;buch</translation>
    </message>
    <message>
        <source>Analysis of %1</source>
        <translation>Analyse vom %1</translation>
    </message>
    <message>
        <source>Analysis &quot;%1&quot; saved in the case book</source>
        <translation>Analyse „%1“ im Fallbuch gespeichert</translation>
    </message>
    <message>
        <source>Prescription of %1 recorded in the case book</source>
        <translation>Verordnung von %1 im Fallbuch eingetragen</translation>
    </message>
    <message>
        <source>Case Book</source>
        <translation>Fallbuch</translation>
    </message>
    <message>
        <source>Patient: %1    Reg No: %2</source>
        <translation>Patient: %1    Reg.-Nr.: %2</translation>
    </message>
    <message>
        <source>Export Case Book</source>
        <translation>Fallbuch exportieren</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Import Case Book</source>
        <translation>Fallbuch importieren</translation>
    </message>
    <message>
        <source>Quillon case book.json</source>
        <translation>Quillon Fallbuch.json</translation>
    </message>
</context>
<context>
    <name>quillon::CHelpViewer</name>
    <message>
        <source>Quillon Help</source>
        <translation>Quillon-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Handbuchseite</translation>
    </message>
    <message>
        <source>The manual is not installed. Quillon looked for index.html in:
</source>
        <translation>Das Handbuch ist nicht installiert. Quillon hat index.html in diesen Ordnern gesucht:
</translation>
    </message>
</context>
<context>
    <name>quillon::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Practice Folder…	Ctrl+O</source>
        <translation>Praxisordner ö&amp;ffnen…	Ctrl+O</translation>
    </message>
    <message>
        <source>Recen&amp;t Folders</source>
        <translation>&amp;Zuletzt geöffnete Ordner</translation>
    </message>
    <message>
        <source>Select &amp;Patient  	F2</source>
        <translation>&amp;Patient auswählen  	F2</translation>
    </message>
    <message>
        <source>Recorded &amp;Symptoms 	F6</source>
        <translation>Erfasste &amp;Symptome 	F6</translation>
    </message>
    <message>
        <source>&amp;Repertorisation 	F5</source>
        <translation>&amp;Repertorisation 	F5</translation>
    </message>
    <message>
        <source>Symptom &amp;List</source>
        <translation>Symptom&amp;liste</translation>
    </message>
    <message>
        <source>Full Case Record	Ctrl+U</source>
        <translation>Vollständige Fallaufnahme	Ctrl+U</translation>
    </message>
    <message>
        <source>Followup	Ctrl+F</source>
        <translation>Folgebesuch	Ctrl+F</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Bee&amp;nden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Lupe</translation>
    </message>
    <message>
        <source>&amp;Compare with Visit...</source>
        <translation>Mit Besuch &amp;vergleichen...</translation>
    </message>
    <message>
        <source>S&amp;tability</source>
        <translation>S&amp;tabilität</translation>
    </message>
    <message>
        <source>Strate&amp;gies…</source>
        <translation>Strate&amp;gien…</translation>
    </message>
    <message>
        <source>&amp;Families…</source>
        <translation>&amp;Familien…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quillon &amp;Help	F1</source>
        <translation>Quillon-&amp;Hilfe	F1</translation>
    </message>
    <message>
        <source>&amp;About Quillon</source>
        <translation>&amp;Über Quillon</translation>
    </message>
    <message>
        <source>Select Patient</source>
        <translation>Patient auswählen</translation>
    </message>
    <message>
        <source>Recorded Symptoms for All dates</source>
        <translation>Erfasste Symptome aller Besuchsdaten</translation>
    </message>
</context>
<context>
    <name>quillon::CPropMagn</name>
    <message>
        <source>Magnifying Glass Properties</source>
        <translation>Eigenschaften der Lupe</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>quillon::CQuillonApp</name>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened as a practice folder: %2 is missing.</source>
        <translation>Der Ordner „%1“ kann nicht als Praxisordner geöffnet werden: %2 fehlt.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened as a practice folder: %2 are missing.</source>
        <translation>Der Ordner „%1“ kann nicht als Praxisordner geöffnet werden: %2 fehlen.</translation>
    </message>
    <message>
        <source>Open Practice Folder</source>
        <translation>Praxisordner öffnen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
</TS>
