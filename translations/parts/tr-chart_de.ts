<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CChartGrid</name>
    <message>
        <source>Repertorisation chart</source>
        <translation>Repertorisationstabelle</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Symptom Covered</source>
        <translation>Abgedeckte Symptome</translation>
    </message>
    <message>
        <source>Remedy %1</source>
        <translation>Arznei %1</translation>
    </message>
    <message>
        <source>not in this rubric</source>
        <translation>nicht in dieser Rubrik</translation>
    </message>
</context>
<context>
    <name>CRecordedSymptoms</name>
    <message>
        <source>Drug List (%1)</source>
        <translation>Arzneiliste (%1)</translation>
    </message>
</context>
<context>
    <name>CRepMethods</name>
    <message>
        <source>Repertorisation:</source>
        <translation>Repertorisation:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Drug Filter</source>
        <translation>Arzneifilter</translation>
    </message>
    <message>
        <source>Weightage</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <source>Mind Symptoms</source>
        <translation>Gemütssymptome</translation>
    </message>
    <message>
        <source>Rest Symptoms</source>
        <translation>Übrige Symptome</translation>
    </message>
    <message>
        <source>General Symptoms</source>
        <translation>Allgemeinsymptome</translation>
    </message>
    <message>
        <source>Sorted List of Remedies</source>
        <translation>Sortierte Arzneiliste</translation>
    </message>
    <message>
        <source>Symptoms Covered</source>
        <translation>Abgedeckte Symptome</translation>
    </message>
    <message>
        <source>ClipBoard #1</source>
        <translation>Zwischenablage #1</translation>
    </message>
    <message>
        <source>ClipBoard #2</source>
        <translation>Zwischenablage #2</translation>
    </message>
    <message>
        <source>ClipBoard #3</source>
        <translation>Zwischenablage #3</translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Pflanze</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Tier</translation>
    </message>
    <message>
        <source>Elements:</source>
        <translation>Elemente:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source> : Elimination</source>
        <translation> : Elimination</translation>
    </message>
</context>
<context>
    <name>CUndelete</name>
    <message>
        <source>Deleted Symptoms (%1)</source>
        <translation>Gelöschte Symptome (%1)</translation>
    </message>
</context>
<context>
    <name>ChartPages</name>
    <message>
        <source>Repertorisation -- %1</source>
        <translation>Repertorisation -- %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Remedies %1    Symptoms %2</source>
        <translation>Arzneien %1    Symptome %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Remedy Name</source>
        <translation>Arzneiname</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Symptom Covered</source>
        <translation>Abgedeckte Symptome</translation>
    </message>
    <message>
        <source>Patient: %1    Reg No: %2    Visit date: %3</source>
        <translation>Patient: %1    Reg.-Nr.: %2    Besuchsdatum: %3</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source> this Symptom is already on this clipboard  </source>
        <translation> - dieses Symptom ist bereits in dieser Zwischenablage  </translation>
    </message>
    <message>
        <source> Symptom Dropped on Clipboard </source>
        <translation> - Symptom abgelegt in Zwischenablage </translation>
    </message>
    <message>
        <source>Insufficient memory in pFinRep</source>
        <translation>Nicht genügend Speicher in pFinRep</translation>
    </message>
    <message>
        <source>Insufficient Memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Mind symptoms are not recorded</source>
        <translation>Es sind keine Gemütssymptome erfasst</translation>
    </message>
    <message>
        <source>General symptoms are not recorded</source>
        <translation>Es sind keine Allgemeinsymptome erfasst</translation>
    </message>
    <message>
        <source>Rest symptoms are not recorded</source>
        <translation>Es sind keine übrigen Symptome erfasst</translation>
    </message>
    <message>
        <source>ClipBoard#1 does not have any Symptoms</source>
        <translation>Zwischenablage #1 enthält keine Symptome</translation>
    </message>
    <message>
        <source>ClipBoard#2 does not have any Symptoms</source>
        <translation>Zwischenablage #2 enthält keine Symptome</translation>
    </message>
    <message>
        <source>ClipBoard#3 does not have any Symptoms</source>
        <translation>Zwischenablage #3 enthält keine Symptome</translation>
    </message>
    <message>
        <source>Selcted method does not have any valid Symptoms and Remedies</source>
        <translation>Die gewählte Methode ergibt keine gültigen Symptome und Arzneien</translation>
    </message>
    <message>
        <source>Selcted method does not have any valid remedies</source>
        <translation>Die gewählte Methode ergibt keine gültigen Arzneien</translation>
    </message>
    <message>
        <source>Resulted combination does not have any drug</source>
        <translation>Die resultierende Kombination enthält keine Arznei</translation>
    </message>
    <message>
        <source>Remedy For the Combination not found !!!</source>
        <translation>Keine Arznei für die Kombination gefunden !!!</translation>
    </message>
    <message>
        <source>Selected combination does not have any drug</source>
        <translation>Die gewählte Kombination enthält keine Arznei</translation>
    </message>
    <message>
        <source>Clipboards not selected , click to select</source>
        <translation>Keine Zwischenablage gewählt, zum Auswählen anklicken</translation>
    </message>
    <message>
        <source>Remedy not selected</source>
        <translation>Keine Arznei ausgewählt</translation>
    </message>
    <message>
        <source>No Remedy for selected symptom</source>
        <translation>Keine Arznei für das gewählte Symptom</translation>
    </message>
    <message>
        <source>  this drug already selectd</source>
        <translation>  diese Arznei ist bereits ausgewählt</translation>
    </message>
    <message>
        <source>Insufficient memory !!! Can&apos;t show drug list</source>
        <translation>Nicht genügend Speicher !!! Die Arzneiliste kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>No remedy of the chart is named in every eliminating symptom</source>
        <translation>Keine Arznei der Tabelle kommt in jedem eliminierenden Symptom vor</translation>
    </message>
    <message>
        <source>symptoms Not Recorded</source>
        <translation>Keine Symptome erfasst</translation>
    </message>
    <message>
        <source>No symptoms for Repertorisation</source>
        <translation>Keine Symptome für die Repertorisation</translation>
    </message>
</context>
<context>
    <name>quillon::CRecordedSymptomsDialog</name>
    <message>
        <source>Symptom List</source>
        <translation>Symptomliste</translation>
    </message>
    <message>
        <source>Recorded Symptoms</source>
        <translation>Erfasste Symptome</translation>
    </message>
    <message>
        <source>Physician</source>
        <translation>Behandler</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Select Visit Dates</source>
        <translation>Besuchsdatum wählen</translation>
    </message>
    <message>
        <source>Drug List</source>
        <translation>Arzneiliste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;UnDelete</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Rep_Table</source>
        <translation>&amp;Rep.-Tabelle</translation>
    </message>
    <message>
        <source>Open Repertorisation Table</source>
        <translation>Repertorisationstabelle öffnen</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Speichern unter</translation>
    </message>
    <message>
        <source>Save the Recorded Symptoms</source>
        <translation>Erfasste Symptome speichern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Dr. Name :</source>
        <translation>Behandler :</translation>
    </message>
    <message>
        <source>Pat Name :</source>
        <translation>Patient :</translation>
    </message>
</context>
<context>
    <name>quillon::CRepView</name>
    <message>
        <source>Remedy Name</source>
        <translation>Arzneiname</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Symptom Covered</source>
        <translation>Abgedeckt</translation>
    </message>
    <message>
        <source>Repertorisation -- %1</source>
        <translation>Repertorisation -- %1</translation>
    </message>
    <message>
        <source>&amp;Symptom Covered/Not Covered</source>
        <translation>&amp;Symptom abgedeckt/nicht abgedeckt</translation>
    </message>
    <message>
        <source>&amp;Conv. Rep To MM</source>
        <translation>Rep. in &amp;MM übernehmen</translation>
    </message>
    <message>
        <source>&amp;Drug List</source>
        <translation>&amp;Arzneiliste</translation>
    </message>
    <message>
        <source>S&amp;tability</source>
        <translation>S&amp;tabilität</translation>
    </message>
    <message>
        <source>&amp;Record Prescription…</source>
        <translation>&amp;Verordnung erfassen…</translation>
    </message>
    <message>
        <source>Symptom &amp;List</source>
        <translation>Symptom&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Full Symptom</source>
        <translation>&amp;Vollständiges Symptom</translation>
    </message>
    <message>
        <source>ClipBoard &amp;1</source>
        <translation>Zwischenablage &amp;1</translation>
    </message>
    <message>
        <source>ClipBoard &amp;2</source>
        <translation>Zwischenablage &amp;2</translation>
    </message>
    <message>
        <source>ClipBoard &amp;3</source>
        <translation>Zwischenablage &amp;3</translation>
    </message>
    <message>
        <source>&amp;Eliminate by this Symptom</source>
        <translation>Mit diesem Symptom &amp;eliminieren</translation>
    </message>
    <message>
        <source>Weightage Repertorisation</source>
        <translation>Gewichtete Repertorisation</translation>
    </message>
    <message>
        <source>Sorted Remedy Repertorisation</source>
        <translation>Repertorisation mit nach Namen sortierten Arzneien</translation>
    </message>
    <message>
        <source>Symptoms Other than Mind</source>
        <translation>Symptome außer Gemüt</translation>
    </message>
    <message>
        <source>Symptom Covered / Not Covered By Remedy</source>
        <translation>Symptome von der Arznei abgedeckt / nicht abgedeckt</translation>
    </message>
    <message>
        <source>Reset the Selected Clipboard</source>
        <translation>Gewählte Zwischenablage leeren</translation>
    </message>
    <message>
        <source>ClipBoard 1 Symptoms</source>
        <translation>Symptome der Zwischenablage 1</translation>
    </message>
    <message>
        <source>ClipBoard 2 Symptoms</source>
        <translation>Symptome der Zwischenablage 2</translation>
    </message>
    <message>
        <source>ClipBoard 3 Symptoms</source>
        <translation>Symptome der Zwischenablage 3</translation>
    </message>
    <message>
        <source>General Symptoms</source>
        <translation>Allgemeinsymptome</translation>
    </message>
    <message>
        <source>Mental Symptoms</source>
        <translation>Gemütssymptome</translation>
    </message>
    <message>
        <source>Normal Repertorisation</source>
        <translation>Normale Repertorisation</translation>
    </message>
    <message>
        <source>Apply Drug Filters</source>
        <translation>Arzneifilter anwenden</translation>
    </message>
    <message>
        <source>Apply Plant Filters</source>
        <translation>Pflanzenfilter anwenden</translation>
    </message>
    <message>
        <source>Apply Animal Filters</source>
        <translation>Tierfilter anwenden</translation>
    </message>
    <message>
        <source>Apply Mineral Filters</source>
        <translation>Mineralfilter anwenden</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Symptome</translation>
    </message>
    <message>
        <source>Remedies</source>
        <translation>Arzneien</translation>
    </message>
    <message>
        <source>  Of %1        Reg. No. : %2       Rep. Date : %3</source>
        <translation>  Für %1        Reg.-Nr. : %2       Rep.-Datum : %3</translation>
    </message>
</context>
<context>
    <name>quillon::CSelectPatientDialog</name>
    <message>
        <source>Reg No</source>
        <translation>Reg.-Nr.</translation>
    </message>
    <message>
        <source>Patient Name</source>
        <translation>Patientenname</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Besuchsdatum</translation>
    </message>
    <message>
        <source>Select Patient</source>
        <translation>Patient auswählen</translation>
    </message>
    <message>
        <source>Dr. Name :</source>
        <translation>Behandler :</translation>
    </message>
    <message>
        <source>Dr. Name</source>
        <translation>Behandler</translation>
    </message>
    <message>
        <source>Patients</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillon::CUndeleteDialog</name>
    <message>
        <source>Undelete Recorded Symptom</source>
        <translation>Erfasstes Symptom wiederherstellen</translation>
    </message>
    <message>
        <source>Deleted symptoms</source>
        <translation>Gelöschte Symptome</translation>
    </message>
    <message>
        <source>Deleted symptom list</source>
        <translation>Liste der gelöschten Symptome</translation>
    </message>
    <message>
        <source>&amp;Undelete</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Undelete&amp;All</source>
        <translation>&amp;Alle wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>quillon::CWeightageDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Intensity of %1</source>
        <translation>Intensität von %1</translation>
    </message>
    <message>
        <source>Weightage Repertorisation</source>
        <translation>Gewichtete Repertorisation</translation>
    </message>
    <message>
        <source>Select Weightage For</source>
        <translation>Gewichtung wählen für</translation>
    </message>
</context>
</TS>
