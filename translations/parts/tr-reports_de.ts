<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CFamiliesDialog</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Pflanze</translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Tier</translation>
    </message>
</context>
<context>
    <name>CFullRemedyList</name>
    <message>
        <source>Remedies (%1)</source>
        <translation>Arzneien (%1)</translation>
    </message>
</context>
<context>
    <name>CStrategyReader</name>
    <message>
        <source>Totality</source>
        <translation>Totalität</translation>
    </message>
    <message>
        <source>Symptoms covered first</source>
        <translation>Abgedeckte Symptome zuerst</translation>
    </message>
    <message>
        <source>Weighted</source>
        <translation>Gewichtet</translation>
    </message>
    <message>
        <source>Small rubrics</source>
        <translation>Kleine Rubriken</translation>
    </message>
    <message>
        <source>Elimination</source>
        <translation>Elimination</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>File is Succesfully Created</source>
        <translation>Die Datei wurde erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Error Creating File</source>
        <translation>Fehler beim Erstellen der Datei</translation>
    </message>
    <message>
        <source>Error in Symptom Covered</source>
        <translation>Fehler bei den abgedeckten Symptomen</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
</context>
<context>
    <name>SymptomCoverReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Patient Name:</source>
        <translation>Patient:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Selected Remedy:</source>
        <translation>Gewählte Arznei:</translation>
    </message>
    <message>
        <source>Reg No:</source>
        <translation>Reg.-Nr.:</translation>
    </message>
    <message>
        <source>Symptoms Covered by Remedy (%1)</source>
        <translation>Von der Arznei abgedeckte Symptome (%1)</translation>
    </message>
    <message>
        <source>Symptoms Not Covered by Remedy (%1)</source>
        <translation>Von der Arznei nicht abgedeckte Symptome (%1)</translation>
    </message>
    <message>
        <source>Symptoms Covered by Remedy:</source>
        <translation>Abgedeckte Symptome:</translation>
    </message>
    <message>
        <source>Symptoms Not Covered by Remedy:</source>
        <translation>Nicht abgedeckte Symptome:</translation>
    </message>
</context>
<context>
    <name>quillon::CCompareVisitsDialog</name>
    <message>
        <source>Compare Visits</source>
        <translation>Besuche vergleichen</translation>
    </message>
    <message>
        <source>Compare with &amp;visit:</source>
        <translation>Vergleichen mit &amp;Besuch:</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>Arznei</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Totalität</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Abgedeckt</translation>
    </message>
    <message>
        <source>Visit %1 cannot be compared.</source>
        <translation>Der Besuch vom %1 kann nicht verglichen werden.</translation>
    </message>
    <message>
        <source>From %1 to %2
Visit %1: %3 symptoms
Visit %2: %4 symptoms
Symptoms in both visits: %5</source>
        <translation>Vom %1 bis %2
Besuch %1: %3 Symptome
Besuch %2: %4 Symptome
Symptome in beiden Besuchen: %5</translation>
    </message>
    <message>
        <source>Totality %1</source>
        <translation>Totalität %1</translation>
    </message>
    <message>
        <source>Covered %1</source>
        <translation>Abgedeckt %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>entfallen</translation>
    </message>
    <message>
        <source>Visit dates: %1 and %2</source>
        <translation>Besuchsdaten: %1 und %2</translation>
    </message>
    <message>
        <source>Visit dates: %1</source>
        <translation>Besuchsdaten: %1</translation>
    </message>
</context>
<context>
    <name>quillon::CDrugListDialog</name>
    <message>
        <source>Drug List</source>
        <translation>Arzneiliste</translation>
    </message>
    <message>
        <source>Drug Name</source>
        <translation>Arzneiname</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Totalität</translation>
    </message>
    <message>
        <source>Symp.  Cov.</source>
        <translation>Sympt. abg.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>quillon::CFamiliesDialog</name>
    <message>
        <source>Families</source>
        <translation>Familien</translation>
    </message>
    <message>
        <source>&amp;Kingdom:</source>
        <translation>&amp;Naturreich:</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Als C&amp;SV speichern...</translation>
    </message>
    <message>
        <source>Kingdom</source>
        <translation>Naturreich</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Remedies</source>
        <translation>Arzneien</translation>
    </message>
    <message>
        <source>Sum of totalities</source>
        <translation>Summe der Totalitäten</translation>
    </message>
    <message>
        <source>Best rank</source>
        <translation>Bester Rang</translation>
    </message>
    <message>
        <source>First remedies</source>
        <translation>Erste Arzneien</translation>
    </message>
    <message>
        <source>Double click a family to keep only its remedies in the chart</source>
        <translation>Doppelklick auf eine Familie behält nur ihre Arzneien in der Repertorisation</translation>
    </message>
    <message>
        <source>First families:</source>
        <translation>Erste Familien:</translation>
    </message>
    <message>
        <source>The families of the %1 remedies of the chart as it stands, by the sum of their totalities.
Double click a family to keep only its remedies in the chart.</source>
        <translation>Die Familien der %1 Arzneien der Repertorisation in ihrem jetzigen Stand, nach der Summe ihrer Totalitäten.
Doppelklick auf eine Familie behält nur ihre Arzneien in der Repertorisation.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Visit date: %1</source>
        <translation>Besuchsdatum: %1</translation>
    </message>
</context>
<context>
    <name>quillon::CFollowUpTableDialog</name>
    <message>
        <source>First remedies:</source>
        <translation>Erste Arzneien:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Patient: %1    Reg No: %2    %3</source>
        <translation>Patient: %1    Reg.-Nr.: %2    %3</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
</context>
<context>
    <name>quillon::CFullRemedyListDialog</name>
    <message>
        <source>Full Remedy List</source>
        <translation>Vollständige Arzneiliste</translation>
    </message>
    <message>
        <source>Symptom</source>
        <translation>Symptom</translation>
    </message>
    <message>
        <source>Remedy count</source>
        <translation>Anzahl der Arzneien</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Drug &amp;Mark</source>
        <translation>&amp;Wertigkeit</translation>
    </message>
    <message>
        <source>&amp;Remedy</source>
        <translation>&amp;Arznei</translation>
    </message>
    <message>
        <source>Search Rem</source>
        <translation>Arznei suchen</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
</context>
<context>
    <name>quillon::CStabilityDialog</name>
    <message>
        <source>Stability</source>
        <translation>Stabilität</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>Arznei</translation>
    </message>
    <message>
        <source>Totality</source>
        <translation>Totalität</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Abgedeckt</translation>
    </message>
    <message>
        <source>Worst rank</source>
        <translation>Schlechtester Rang</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Symptom whose removal gives the worst rank</source>
        <translation>Symptom, dessen Weglassen den schlechtesten Rang ergibt</translation>
    </message>
    <message>
        <source>Normal repertorisation of %1 symptoms, each left out in turn</source>
        <translation>Normale Repertorisation von %1 Symptomen, jedes der Reihe nach weggelassen</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>entfällt</translation>
    </message>
    <message>
        <source>Visit date: %1</source>
        <translation>Besuchsdatum: %1</translation>
    </message>
</context>
<context>
    <name>quillon::CStrategiesDialog</name>
    <message>
        <source>Strategies</source>
        <translation>Strategien</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>%1 active symptoms read five ways; each column lists its first %2 remedies.
* leads every column: it stands among the first %2 of each.</source>
        <translation>%1 aktive Symptome auf fünf Arten ausgewertet; jede Spalte zeigt ihre ersten %2 Arzneien.
* führt in jeder Spalte: steht in jeder unter den ersten %2.</translation>
    </message>
    <message>
        <source>
Elimination: no symptom is marked &quot;Eliminate by this Symptom&quot;.</source>
        <translation>
Elimination: Kein Symptom ist mit „Durch dieses Symptom eliminieren“ markiert.</translation>
    </message>
    <message>
        <source>Visit date: %1</source>
        <translation>Besuchsdatum: %1</translation>
    </message>
</context>
<context>
    <name>quillon::CSymptomCoverDlg</name>
    <message>
        <source>Symptom Covered and Not Covered</source>
        <translation>Abgedeckte und nicht abgedeckte Symptome</translation>
    </message>
    <message>
        <source>Select Remedy :</source>
        <translation>Arznei wählen :</translation>
    </message>
    <message>
        <source>Fullname  :</source>
        <translation>Voller Name:</translation>
    </message>
    <message>
        <source>Symptoms covered</source>
        <translation>Abgedeckte Symptome</translation>
    </message>
    <message>
        <source>Symptoms not covered</source>
        <translation>Nicht abgedeckte Symptome</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
</context>
</TS>
