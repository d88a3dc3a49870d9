<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CaseBookHistory</name>
    <message>
        <source>Prescription</source>
        <translation>Verordnung</translation>
    </message>
    <message>
        <source>Case Book: %1 (Reg No %2)</source>
        <translation>Fallbuch: %1 (Reg.-Nr. %2)</translation>
    </message>
    <message>
        <source>No analysis of this patient has been saved yet.</source>
        <translation>Von diesem Patienten wurde noch keine Analyse gespeichert.</translation>
    </message>
    <message>
        <source>Visit of %1</source>
        <translation>Besuch vom %1</translation>
    </message>
    <message>
        <source>Analysis %1</source>
        <translation>Analyse %1</translation>
    </message>
    <message>
        <source>First remedies: %1</source>
        <translation>Erste Arzneien: %1</translation>
    </message>
    <message>
        <source>Prescriptions of deleted analyses</source>
        <translation>Verordnungen gelöschter Analysen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The visit of %1 is no longer in the patient&apos;s recorded symptoms; the analysis cannot be opened.</source>
        <translation>Der Besuch vom %1 ist nicht mehr in den aufgenommenen Symptomen des Patienten enthalten; die Analyse kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Step %1 of the analysis (%2) no longer applies: %3. The chart shows the analysis up to the step before it.</source>
        <translation>Schritt %1 der Analyse (%2) trifft nicht mehr zu: %3. Die Tabelle zeigt die Analyse bis zum Schritt davor.</translation>
    </message>
    <message>
        <source>The visit&apos;s recorded symptoms changed since this analysis was saved; the steps that still apply are replayed.</source>
        <translation>Die aufgenommenen Symptome des Besuchs haben sich geändert, seit diese Analyse gespeichert wurde; die Schritte, die noch zutreffen, werden wiederholt.</translation>
    </message>
    <message>
        <source>There is no folder for the case book (HOME is not set); Quillon goes on without a case book.</source>
        <translation>Es gibt keinen Ordner für das Fallbuch (HOME ist nicht gesetzt); Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The case book %1 is in use by another Quillon window and stayed busy; Quillon goes on without a case book.</source>
        <translation>Das Fallbuch %1 wird von einem anderen Quillon-Fenster benutzt und blieb belegt; Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The case book %1 cannot be opened (%2); Quillon goes on without a case book.</source>
        <translation>Das Fallbuch %1 kann nicht geöffnet werden (%2); Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The case book %1 is damaged or not a case book, and cannot be moved aside; Quillon goes on without a case book.</source>
        <translation>Das Fallbuch %1 ist beschädigt oder kein Fallbuch und kann nicht beiseitegelegt werden; Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The case book %1 is damaged or not a case book: it was moved aside to %2 and a new case book was started.</source>
        <translation>Das Fallbuch %1 ist beschädigt oder kein Fallbuch: Es wurde nach %2 verschoben, und ein neues Fallbuch wurde angelegt.</translation>
    </message>
    <message>
        <source>The case book already holds an analysis of this visit by that name; nothing was %1.</source>
        <translation>Das Fallbuch enthält bereits eine Analyse dieses Besuchs mit diesem Namen; es wurde nichts %1.</translation>
    </message>
    <message>
        <source>The case book could not be used (%1); nothing was %2.</source>
        <translation>Das Fallbuch konnte nicht verwendet werden (%1); es wurde nichts %2.</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>eingetragen</translation>
    </message>
    <message>
        <source>The case book is in use by another Quillon window and stayed busy; nothing was saved. Try again in a moment.</source>
        <translation>Das Fallbuch wird von einem anderen Quillon-Fenster benutzt und blieb belegt; es wurde nichts gespeichert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The case book was written by a newer version of Quillon; this version cannot use it. Quillon goes on without a case book.</source>
        <translation>Das Fallbuch wurde von einer neueren Version von Quillon geschrieben; diese Version kann es nicht verwenden. Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>&quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of its kind</source>
        <translation>&quot;%1&quot; hat nicht die erwartete Art</translation>
    </message>
    <message>
        <source>an entry of &quot;%1&quot; is not a text</source>
        <translation>ein Eintrag von &quot;%1&quot; ist kein Text</translation>
    </message>
    <message>
        <source>a prescription is not an object</source>
        <translation>eine Verordnung ist kein Objekt</translation>
    </message>
    <message>
        <source>a remedy code is out of range</source>
        <translation>ein Arzneicode liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>it is not a Quillon case book export</source>
        <translation>sie ist kein Export eines Quillon-Fallbuchs</translation>
    </message>
    <message>
        <source>it was written by a newer version of Quillon</source>
        <translation>sie wurde von einer neueren Version von Quillon geschrieben</translation>
    </message>
    <message>
        <source>a practice is not an object</source>
        <translation>eine Praxis ist kein Objekt</translation>
    </message>
    <message>
        <source>a patient is not an object</source>
        <translation>ein Patient ist kein Objekt</translation>
    </message>
    <message>
        <source>an analysis is not an object</source>
        <translation>eine Analyse ist kein Objekt</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>sie ist kein JSON-Dokument</translation>
    </message>
    <message>
        <source>The file cannot be imported: %1. The case book was not changed.</source>
        <translation>Die Datei kann nicht importiert werden: %1. Das Fallbuch wurde nicht verändert.</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importiert</translation>
    </message>
    <message>
        <source>The file %1 cannot be read. The case book was not changed.</source>
        <translation>Die Datei %1 kann nicht gelesen werden. Das Fallbuch wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Case book imported: %1 analyses added, %2 replaced by the newer imported one%3, %4 kept because this case book&apos;s own was as new or newer%5, %6 prescriptions added.</source>
        <translation>Fallbuch importiert: %1 Analyse(n) hinzugefügt, %2 durch die neuere importierte ersetzt%3, %4 beibehalten, weil die eigene dieses Fallbuchs gleich neu oder neuer war%5, %6 Verordnung(en) hinzugefügt.</translation>
    </message>
    <message>
        <source>Cannot read recorded symptom File</source>
        <translation>Die Symptomdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Symptoms not available</source>
        <translation>Symptome nicht verfügbar</translation>
    </message>
    <message>
        <source>Error in Remedy Count</source>
        <translation>Fehler in der Arzneianzahl</translation>
    </message>
    <message>
        <source>Error in Symptom</source>
        <translation>Fehler im Symptom</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>The recorded symptom file ends in the middle of a visit</source>
        <translation>Die Symptomdatei endet mitten in einem Besuch</translation>
    </message>
    <message>
        <source>The recorded symptom file is damaged: a visit block is too short to hold a visit</source>
        <translation>Die Symptomdatei ist beschädigt: Ein Besuchsblock ist zu kurz für einen Besuch</translation>
    </message>
    <message>
        <source>The recorded symptom file holds more than 10000 visits</source>
        <translation>Die Symptomdatei enthält mehr als 10000 Besuche</translation>
    </message>
    <message>
        <source>Error creating file, aborting saving</source>
        <translation>Fehler beim Anlegen der Datei, Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Could load Patient Information</source>
        <translation>Patientendaten konnten nicht geladen werden</translation>
    </message>
    <message>
        <source>%1: 1 line of fulldrug.txt differs from drug.dat</source>
        <translation>%1: 1 Zeile von fulldrug.txt weicht von drug.dat ab</translation>
    </message>
    <message>
        <source>%1: %2 lines of fulldrug.txt differ from drug.dat</source>
        <translation>%1: %2 Zeilen von fulldrug.txt weichen von drug.dat ab</translation>
    </message>
    <message>
        <source>Error opening file</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Error reading File</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Speicher kann nicht reserviert werden</translation>
    </message>
    <message>
        <source>Insufficient Memory for pRemedyData</source>
        <translation>Nicht genügend Speicher für pRemedyData</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Abweichung</translation>
    </message>
</context>
<context>
    <name>quillon::CCaseBookDialog</name>
    <message>
        <source>Case Book</source>
        <translation>Fallbuch</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save Case Book as PDF</source>
        <translation>Fallbuch als PDF speichern</translation>
    </message>
</context>
<context>
    <name>quillon::COpenAnalysisDialog</name>
    <message>
        <source>Open Analysis</source>
        <translation>Analyse öffnen</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Besuch</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>First remedies</source>
        <translation>Erste Arzneien</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Verordnung</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Click again to &amp;delete</source>
        <translation>Zum &amp;Löschen erneut klicken</translation>
    </message>
</context>
<context>
    <name>quillon::CPrescriptionDialog</name>
    <message>
        <source>Record Prescription</source>
        <translation>Verordnung eintragen</translation>
    </message>
    <message>
        <source>Remedy:</source>
        <translation>Arznei:</translation>
    </message>
    <message>
        <source>Analysis:</source>
        <translation>Analyse:</translation>
    </message>
    <message>
        <source>for example 30C, 200C, 1M, LM1</source>
        <translation>zum Beispiel 30C, 200C, 1M, LM1</translation>
    </message>
    <message>
        <source>for example one dose, TDS for 3 days</source>
        <translation>zum Beispiel eine Gabe, 3-mal täglich für 3 Tage</translation>
    </message>
    <message>
        <source>&amp;Potency:</source>
        <translation>&amp;Potenz:</translation>
    </message>
    <message>
        <source>&amp;Repetition:</source>
        <translation>&amp;Wiederholung:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>&amp;Notiz:</translation>
    </message>
</context>
<context>
    <name>quillon::CSaveAnalysisDialog</name>
    <message>
        <source>Save Analysis</source>
        <translation>Analyse speichern</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otizen:</translation>
    </message>
</context>
</TS>
