<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CChartCommands</name>
    <message>
        <source>Chart</source>
        <translation>Repertorisation</translation>
    </message>
    <message>
        <source>Save Chart as PDF</source>
        <translation>Repertorisation als PDF speichern</translation>
    </message>
    <message>
        <source>Export Chart as &amp;CSV…</source>
        <translation>Repertorisation als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Save Chart as P&amp;DF…</source>
        <translation>Repertorisation als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>Pr&amp;int Chart…</source>
        <translation>Repertorisation dr&amp;ucken…</translation>
    </message>
    <message>
        <source>Export Chart as CSV</source>
        <translation>Repertorisation als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>CChartGrid</name>
    <message>
        <source>Repertorisation chart</source>
        <translation>Repertorisation</translation>
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
        <source>Remedy %1</source>
        <translation>Arznei %1</translation>
    </message>
    <message>
        <source>not in this rubric</source>
        <translation>nicht in dieser Rubrik</translation>
    </message>
</context>
<context>
    <name>CClassFilterModel</name>
    <message>
        <source>Plant Filters</source>
        <translation>Pflanzenfilter</translation>
    </message>
    <message>
        <source>&amp;Roots</source>
        <translation>&amp;Wurzeln</translation>
    </message>
    <message>
        <source>&amp;Stem</source>
        <translation>S&amp;tängel</translation>
    </message>
    <message>
        <source>&amp;Bark</source>
        <translation>&amp;Rinde</translation>
    </message>
    <message>
        <source>&amp;Leaves</source>
        <translation>&amp;Blätter</translation>
    </message>
    <message>
        <source>&amp;Flowers</source>
        <translation>B&amp;lüten</translation>
    </message>
    <message>
        <source>&amp;Fruit</source>
        <translation>&amp;Frucht</translation>
    </message>
    <message>
        <source>S&amp;eeds</source>
        <translation>Sa&amp;men</translation>
    </message>
    <message>
        <source>&amp;Juice</source>
        <translation>&amp;Saft</translation>
    </message>
    <message>
        <source>E&amp;xtract</source>
        <translation>E&amp;xtrakt</translation>
    </message>
    <message>
        <source>E&amp;ntire</source>
        <translation>Ga&amp;nze Pflanze</translation>
    </message>
    <message>
        <source>&amp;Gum/Resin</source>
        <translation>&amp;Gummi/Harz</translation>
    </message>
    <message>
        <source>&amp;Alkaloid</source>
        <translation>&amp;Alkaloid</translation>
    </message>
    <message>
        <source>Animal Drug Filter</source>
        <translation>Tierfilter</translation>
    </message>
    <message>
        <source>&amp;Animal Process</source>
        <translation>&amp;Tierische Prozesse</translation>
    </message>
    <message>
        <source>&amp;Bowel Nosodes</source>
        <translation>&amp;Darmnosoden</translation>
    </message>
    <message>
        <source>&amp;Corticoids</source>
        <translation>&amp;Kortikoide</translation>
    </message>
    <message>
        <source>&amp;Milk</source>
        <translation>&amp;Milch</translation>
    </message>
    <message>
        <source>M&amp;oths</source>
        <translation>&amp;Falter</translation>
    </message>
    <message>
        <source>&amp;Nosodes</source>
        <translation>&amp;Nosoden</translation>
    </message>
    <message>
        <source>&amp;Sarcode</source>
        <translation>&amp;Sarkoden</translation>
    </message>
    <message>
        <source>&amp;Poisons</source>
        <translation>&amp;Gifte</translation>
    </message>
    <message>
        <source>S&amp;ea Animals</source>
        <translation>Mee&amp;restiere</translation>
    </message>
    <message>
        <source>Sna&amp;kes</source>
        <translation>Sch&amp;langen</translation>
    </message>
    <message>
        <source>Spi&amp;der</source>
        <translation>S&amp;pinnen</translation>
    </message>
    <message>
        <source>&amp;Birds</source>
        <translation>&amp;Vögel</translation>
    </message>
</context>
<context>
    <name>CConvertDialog</name>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Comp&amp;lete  Materia Medica</source>
        <translation>&amp;Vollständige Materia medica</translation>
    </message>
    <message>
        <source>Com&amp;pare Materia Medica</source>
        <translation>Materia medica ver&amp;gleichen</translation>
    </message>
    <message>
        <source>Differentiate &amp;Materia Medica</source>
        <translation>Materia medica &amp;differenzieren</translation>
    </message>
    <message>
        <source>&amp;Single Remedy Rubrics</source>
        <translation>&amp;Einzelmittel-Rubriken</translation>
    </message>
    <message>
        <source>&amp;One Remedy Materia Medica</source>
        <translation>&amp;Materia medica einer Arznei</translation>
    </message>
    <message>
        <source>C&amp;reate Materia Medica</source>
        <translation>Materia medica e&amp;rstellen</translation>
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
    <name>CDrugFilterModel</name>
    <message>
        <source>Psoric</source>
        <translation>Psorisch</translation>
    </message>
    <message>
        <source>Sycotic</source>
        <translation>Sykotisch</translation>
    </message>
    <message>
        <source>Tubercular</source>
        <translation>Tuberkulinisch</translation>
    </message>
    <message>
        <source>S&amp;yphilitic</source>
        <translation>S&amp;yphilitisch</translation>
    </message>
    <message>
        <source>Chilly</source>
        <translation>Frostig</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Hitzig</translation>
    </message>
    <message>
        <source>Ambithermal</source>
        <translation>Ambithermal</translation>
    </message>
    <message>
        <source>Nosode</source>
        <translation>Nosode</translation>
    </message>
    <message>
        <source>Sarcode</source>
        <translation>Sarkode</translation>
    </message>
    <message>
        <source>No Polychrest</source>
        <translation>Kein Polychrest</translation>
    </message>
    <message>
        <source>Only Polychrest</source>
        <translation>Nur Polychreste</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Acute</source>
        <translation>Akut</translation>
    </message>
    <message>
        <source>Chronic</source>
        <translation>Chronisch</translation>
    </message>
    <message>
        <source>Inter Current</source>
        <translation>Interkurrent</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
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
    <message>
        <source>Tautopathic</source>
        <translation>Tautopathisch</translation>
    </message>
    <message>
        <source>U. Rt. Low Lt.</source>
        <translation>O. re. U. li.</translation>
    </message>
    <message>
        <source>U. Lt. Low Rt.</source>
        <translation>O. li. U. re.</translation>
    </message>
    <message>
        <source>Rt. to Lt.</source>
        <translation>Re. nach li.</translation>
    </message>
    <message>
        <source>Lt. to Rt.</source>
        <translation>Li. nach re.</translation>
    </message>
    <message>
        <source>Alternate Sides</source>
        <translation>Seitenwechsel</translation>
    </message>
    <message>
        <source>Bach Flower</source>
        <translation>Bachblüte</translation>
    </message>
    <message>
        <source>Bowel Nosode</source>
        <translation>Darmnosode</translation>
    </message>
    <message>
        <source>Imponderablia</source>
        <translation>Imponderabilien</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Stadium</translation>
    </message>
    <message>
        <source>Miasm</source>
        <translation>Miasma</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Thermal State</source>
        <translation>Wärmeverhalten</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Polychrest</source>
        <translation>Polychrest</translation>
    </message>
    <message>
        <source>Drug Source</source>
        <translation>Arzneiherkunft</translation>
    </message>
    <message>
        <source>Drug Filter</source>
        <translation>Arzneifilter</translation>
    </message>
    <message>
        <source>Select Drug Properties For Repertorization</source>
        <translation>Arzneieigenschaften für die Repertorisation wählen</translation>
    </message>
</context>
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
    <name>CMateriaMedicaGrid</name>
    <message>
        <source>Symptoms Covered by Drugs</source>
        <translation>Von den Arzneien abgedeckte Symptome</translation>
    </message>
    <message>
        <source>not in this rubric</source>
        <translation>nicht in dieser Rubrik</translation>
    </message>
</context>
<context>
    <name>CMineralFilterModel</name>
    <message>
        <source>For Column %1</source>
        <translation>Für Spalte %1</translation>
    </message>
    <message>
        <source>  And </source>
        <translation>  und </translation>
    </message>
    <message>
        <source>For Row %1</source>
        <translation>Für Reihe %1</translation>
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
    <name>CPeriodicTableGrid</name>
    <message>
        <source>Periodic table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
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
    <name>CRepCmpVw</name>
    <message>
        <source>Symptoms Covered by Drugs</source>
        <translation>Von den Arzneien abgedeckte Symptome</translation>
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
    <name>CStrategyReader</name>
    <message>
        <source>Totality</source>
        <translation>Summe</translation>
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
    <name>CUndelete</name>
    <message>
        <source>Deleted Symptoms (%1)</source>
        <translation>Gelöschte Symptome (%1)</translation>
    </message>
</context>
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
    <name>CaseRecordPage</name>
    <message>
        <source>Full Case Record</source>
        <translation>Vollständige Fallaufnahme</translation>
    </message>
    <message>
        <source>Chief Complaints</source>
        <translation>Hauptbeschwerden</translation>
    </message>
    <message>
        <source>Associated Complaints</source>
        <translation>Begleitbeschwerden</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Körpergröße</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Körperbau</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Haare</translation>
    </message>
    <message>
        <source>Gait</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Skin/Nails</source>
        <translation>Haut/Nägel</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Appetite</source>
        <translation>Appetit</translation>
    </message>
    <message>
        <source>Thirst</source>
        <translation>Durst</translation>
    </message>
    <message>
        <source>Habits</source>
        <translation>Gewohnheiten</translation>
    </message>
    <message>
        <source>Craving</source>
        <translation>Verlangen</translation>
    </message>
    <message>
        <source>Aversion</source>
        <translation>Abneigung</translation>
    </message>
    <message>
        <source>Aggravation</source>
        <translation>Verschlimmerung</translation>
    </message>
    <message>
        <source>Flatulence/Intestinal</source>
        <translation>Blähungen/Darm</translation>
    </message>
    <message>
        <source>Eructations</source>
        <translation>Aufstoßen</translation>
    </message>
    <message>
        <source>Stool</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>Urine</source>
        <translation>Urin</translation>
    </message>
    <message>
        <source>Perspiration</source>
        <translation>Schwitzen</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Schlaf</translation>
    </message>
    <message>
        <source>Dreams</source>
        <translation>Träume</translation>
    </message>
    <message>
        <source>Sexual Functions</source>
        <translation>Sexualfunktionen</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Gesicht</translation>
    </message>
    <message>
        <source>Eyes/Vision</source>
        <translation>Augen/Sehen</translation>
    </message>
    <message>
        <source>Ears/Hearing</source>
        <translation>Ohren/Hören</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Nase</translation>
    </message>
    <message>
        <source>Mouth/Toungue</source>
        <translation>Mund/Zunge</translation>
    </message>
    <message>
        <source>Teeth/Gums</source>
        <translation>Zähne/Zahnfleisch</translation>
    </message>
    <message>
        <source>GIT</source>
        <translation>Magen-Darm-Trakt</translation>
    </message>
    <message>
        <source>Respiratory</source>
        <translation>Atemwege</translation>
    </message>
    <message>
        <source>Urinary</source>
        <translation>Harnwege</translation>
    </message>
    <message>
        <source>Extremities</source>
        <translation>Extremitäten</translation>
    </message>
    <message>
        <source>Genetalia</source>
        <translation>Genitalien</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Gefühlsleben</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Verstand</translation>
    </message>
    <message>
        <source>Subconscious</source>
        <translation>Unterbewusstsein</translation>
    </message>
    <message>
        <source>Weather/Season</source>
        <translation>Wetter/Jahreszeit</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Fan/Air Condition</source>
        <translation>Ventilator/Klimaanlage</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Baden</translation>
    </message>
    <message>
        <source>Covering</source>
        <translation>Zudecken</translation>
    </message>
    <message>
        <source>Getting Wet</source>
        <translation>Nasswerden</translation>
    </message>
    <message>
        <source>Menses: Menarche/LMP/Menopause/Cycle</source>
        <translation>Menses: Menarche/letzte Regel/Menopause/Zyklus</translation>
    </message>
    <message>
        <source>Menses Before</source>
        <translation>Vor der Menses</translation>
    </message>
    <message>
        <source>Menses During</source>
        <translation>Während der Menses</translation>
    </message>
    <message>
        <source>Menses After</source>
        <translation>Nach der Menses</translation>
    </message>
    <message>
        <source>Leucorrhoea</source>
        <translation>Weißfluss</translation>
    </message>
    <message>
        <source>Pregnancy, Labour, Puerperium</source>
        <translation>Schwangerschaft, Geburt, Wochenbett</translation>
    </message>
    <message>
        <source>Chill</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Hitze</translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation>Schweiß</translation>
    </message>
    <message>
        <source>Periodicity</source>
        <translation>Periodizität</translation>
    </message>
    <message>
        <source>Developmental Landmarks</source>
        <translation>Entwicklungsschritte</translation>
    </message>
    <message>
        <source>Life Situation</source>
        <translation>Lebenssituation</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemeines</translation>
    </message>
    <message>
        <source>Systemic</source>
        <translation>Organsysteme</translation>
    </message>
    <message>
        <source>Investigation</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Past History</source>
        <translation>Eigenanamnese</translation>
    </message>
    <message>
        <source>Family History</source>
        <translation>Familienanamnese</translation>
    </message>
    <message>
        <source>Anger</source>
        <translation>Zorn</translation>
    </message>
    <message>
        <source>Sadness</source>
        <translation>Traurigkeit</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Liebe</translation>
    </message>
    <message>
        <source>Hate</source>
        <translation>Hass</translation>
    </message>
    <message>
        <source>Fear</source>
        <translation>Furcht</translation>
    </message>
    <message>
        <source>Fright</source>
        <translation>Schreck</translation>
    </message>
    <message>
        <source>Anxiety Agitation</source>
        <translation>Angst mit Unruhe</translation>
    </message>
    <message>
        <source>Anxiety Anticipatory</source>
        <translation>Erwartungsangst</translation>
    </message>
    <message>
        <source>Anxiety Depression</source>
        <translation>Angst mit Depression</translation>
    </message>
    <message>
        <source>Guilt</source>
        <translation>Schuldgefühle</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Notes/Observations</source>
        <translation>Notizen/Beobachtungen</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Speiseeis</translation>
    </message>
    <message>
        <source>Cold Drinks</source>
        <translation>Kalte Getränke</translation>
    </message>
    <message>
        <source>Cold Water</source>
        <translation>Kaltes Wasser</translation>
    </message>
    <message>
        <source>Cold Food</source>
        <translation>Kalte Speisen</translation>
    </message>
    <message>
        <source>WarmFood</source>
        <translation>Warme Speisen</translation>
    </message>
    <message>
        <source>Hot Food</source>
        <translation>Heiße Speisen</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Heiße Getränke</translation>
    </message>
    <message>
        <source>Hot Water</source>
        <translation>Heißes Wasser</translation>
    </message>
    <message>
        <source>Complaints</source>
        <translation>Beschwerden</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Mind</source>
        <translation>Gemüt</translation>
    </message>
    <message>
        <source>Mental State</source>
        <translation>Gemütszustand</translation>
    </message>
    <message>
        <source>Thermal</source>
        <translation>Temperaturempfinden</translation>
    </message>
    <message>
        <source>Fever</source>
        <translation>Fieber</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Frauenheilkunde</translation>
    </message>
    <message>
        <source>Life Space</source>
        <translation>Lebensraum</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Anamnese</translation>
    </message>
    <message>
        <source>Examination</source>
        <translation>Untersuchung</translation>
    </message>
    <message>
        <source>Thermal State</source>
        <translation>Wärmeverhalten</translation>
    </message>
    <message>
        <source>Patient Followup</source>
        <translation>Folgebesuche</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Arznei</translation>
    </message>
    <message>
        <source>Potency</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Beurteilung</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A visit&apos;s date on the follow-up page: day, abbreviated month name, year (&quot;5 Nov, 2002&quot;).</extracomment>
        <translation>%1. %2 %3</translation>
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
        <translation>Abgedeckt</translation>
    </message>
    <message>
        <source>Patient: %1    Reg No: %2    Visit date: %3</source>
        <translation>Patient: %1    Reg.-Nr.: %2    Besuchsdatum: %3</translation>
    </message>
</context>
<context>
    <name>FilterHelp</name>
    <message>
        <source>Plant Filters</source>
        <translation>Pflanzenfilter</translation>
    </message>
    <message>
        <source>The chart has already kept only its plant remedies. This dialog narrows them further to one botanical class or
family and to the plant parts the remedies are made from.</source>
        <translation>Die Repertorisation zeigt bereits nur noch ihre pflanzlichen Arzneien. Dieser Dialog grenzt sie weiter auf eine botanische Klasse oder
Familie ein und auf die Pflanzenteile, aus denen die Arzneien hergestellt sind.</translation>
    </message>
    <message>
        <source>Classes / Families</source>
        <translation>Klassen / Familien</translation>
    </message>
    <message>
        <source>Choose a class or family in the list, or type the start of its name under &lt;b&gt;Search&lt;/b&gt;: the first entry that
begins with what you typed is chosen. With no entry chosen, remedies of every class stay.</source>
        <translation>Wählen Sie eine Klasse oder Familie in der Liste, oder tippen Sie den Anfang ihres Namens unter &lt;b&gt;Suchen&lt;/b&gt; ein: Gewählt wird der erste Eintrag,
der mit dem Getippten beginnt. Ist kein Eintrag gewählt, bleiben die Arzneien aller Klassen.</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Tick the plant parts (roots, stem, bark, leaves, flowers, fruit, seeds, juice, extract, the entire plant,
gum or resin, alkaloid) the remedies must be made from. A remedy stays only when it is made from &lt;i&gt;every&lt;/i&gt;
part you ticked; with no part ticked the parts do not matter.</source>
        <translation>Kreuzen Sie die Pflanzenteile an (Wurzeln, Stängel, Rinde, Blätter, Blüten, Frucht, Samen, Saft, Extrakt, die ganze Pflanze,
Gummi oder Harz, Alkaloid), aus denen die Arzneien hergestellt sein müssen. Eine Arznei bleibt nur, wenn sie aus &lt;i&gt;jedem&lt;/i&gt;
angekreuzten Teil hergestellt ist; ist kein Teil angekreuzt, spielen die Teile keine Rolle.</translation>
    </message>
    <message>
        <source>OK and Cancel</source>
        <translation>OK und Abbrechen</translation>
    </message>
    <message>
        <source>&lt;b&gt;OK&lt;/b&gt; removes from the chart every remedy that does not match, and the chart&apos;s caption names the class and
the parts you chose. When no remedy matches, the chart returns to the normal repertorisation and says so.
&lt;b&gt;Cancel&lt;/b&gt; (or Escape) leaves the filter and returns the chart to the normal repertorisation.</source>
        <translation>&lt;b&gt;OK&lt;/b&gt; entfernt aus der Repertorisation jede Arznei, die nicht passt, und ihre Überschrift nennt die Klasse und
die gewählten Teile. Passt keine Arznei, kehrt das Fenster zur normalen Repertorisation zurück und meldet dies.
&lt;b&gt;Abbrechen&lt;/b&gt; (oder Escape) verlässt den Filter und kehrt zur normalen Repertorisation zurück.</translation>
    </message>
    <message>
        <source>Plant Filters - Help</source>
        <translation>Pflanzenfilter - Hilfe</translation>
    </message>
</context>
<context>
    <name>MateriaMedicaListing</name>
    <message>
        <source>Recorded Symptoms</source>
        <translation>Erfasste Symptome</translation>
    </message>
    <message>
        <source>Differentiate Materia Medica for Recorded Symptoms</source>
        <translation>Differenzierende Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Compare Materia Medica for Recorded Symptoms</source>
        <translation>Vergleichende Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Complete Materia Medica for Recorded Symptoms</source>
        <translation>Vollständige Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Single Remedy Rubrics for Recorded Symptoms</source>
        <translation>Einzelmittel-Rubriken der erfassten Symptome</translation>
    </message>
    <message>
        <source>Create Materia Medica for Recorded Symptoms</source>
        <translation>Erstellte Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>One Remedy Rubrics for Recorded Symptoms</source>
        <translation>Rubriken einer Arznei in den erfassten Symptomen</translation>
    </message>
    <message>
        <source>Symptom Count:</source>
        <translation>Anzahl Symptome:</translation>
    </message>
    <message>
        <source>Symptom Count/Total Weightage:</source>
        <translation>Anzahl Symptome/Gesamtgewichtung:</translation>
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
        <source>The visit of %1 is no longer in the patient&apos;s recorded symptoms; the analysis cannot be opened.</source>
        <translation>Der Besuch vom %1 ist nicht mehr in den erfassten Symptomen des Patienten enthalten; die Analyse kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Step %1 of the analysis (%2) no longer applies: %3. The chart shows the analysis up to the step before it.</source>
        <translation>Schritt %1 der Analyse (%2) trifft nicht mehr zu: %3. Die Repertorisation zeigt die Analyse bis zum Schritt davor.</translation>
    </message>
    <message>
        <source>The visit&apos;s recorded symptoms changed since this analysis was saved; the steps that still apply are replayed.</source>
        <translation>Die erfassten Symptome des Besuchs haben sich geändert, seit diese Analyse gespeichert wurde; die Schritte, die noch zutreffen, werden wiederholt.</translation>
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
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of its kind</source>
        <translation>„%1“ hat nicht den erwarteten Typ</translation>
    </message>
    <message>
        <source>an entry of &quot;%1&quot; is not a text</source>
        <translation>ein Eintrag von „%1“ ist kein Text</translation>
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
    <message>
        <source>To view Full Case Record you must first enter Case Record Data.</source>
        <translation>Um die vollständige Fallaufnahme anzuzeigen, müssen Sie zuerst die Daten der Fallaufnahme eingeben.</translation>
    </message>
    <message>
        <source>Followup data does not exist for this Patient.</source>
        <translation>Für diesen Patienten gibt es keine Daten zu Folgebesuchen.</translation>
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
        <source>Error in file plcode.dat</source>
        <translation>Fehler in der Datei plcode.dat</translation>
    </message>
    <message>
        <source>Error in file anmlcode.dat</source>
        <translation>Fehler in der Datei anmlcode.dat</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Unselect group and then select individual element</source>
        <translation>Heben Sie die Gruppenauswahl auf und wählen Sie dann einzelne Elemente</translation>
    </message>
    <message>
        <source>Row and column selection is not available</source>
        <translation>Die Auswahl nach Reihe und Spalte ist hier nicht möglich</translation>
    </message>
    <message>
        <source>Only one coloumn and row can be selected</source>
        <translation>Es können nur eine Spalte und eine Reihe ausgewählt werden</translation>
    </message>
    <message>
        <source>Unselect all individual elements and then select group</source>
        <translation>Heben Sie die Auswahl aller einzelnen Elemente auf und wählen Sie dann eine Gruppe</translation>
    </message>
    <message>
        <source>Error in row number</source>
        <translation>Fehler in der Reihennummer</translation>
    </message>
    <message>
        <source>Error in col number</source>
        <translation>Fehler in der Spaltennummer</translation>
    </message>
    <message>
        <source>Error in element number</source>
        <translation>Fehler in der Elementnummer</translation>
    </message>
    <message>
        <source>Error in element</source>
        <translation>Fehler im Element</translation>
    </message>
    <message>
        <source>This drug is already selected</source>
        <translation>Diese Arznei ist bereits ausgewählt</translation>
    </message>
    <message>
        <source>Please select Drug from Selected Drug List</source>
        <translation>Bitte wählen Sie eine Arznei aus der Liste der ausgewählten Arzneien</translation>
    </message>
    <message>
        <source>Please select one remedy from Full Drug List</source>
        <translation>Bitte wählen Sie eine Arznei aus der vollständigen Arzneiliste</translation>
    </message>
    <message>
        <source>Please select option(s) for Materia Medica</source>
        <translation>Bitte wählen Sie mindestens eine Option für die Materia medica</translation>
    </message>
    <message>
        <source>No match found</source>
        <translation>Keine Übereinstimmung gefunden</translation>
    </message>
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
        <translation>Keine Arznei der Repertorisation kommt in jedem eliminierenden Symptom vor</translation>
    </message>
    <message>
        <source>symptoms Not Recorded</source>
        <translation>Keine Symptome erfasst</translation>
    </message>
    <message>
        <source>No symptoms for Repertorisation</source>
        <translation>Keine Symptome für die Repertorisation</translation>
    </message>
    <message>
        <source>The disk that holds the case book %1 is full; Quillon goes on without a case book.</source>
        <translation>Der Datenträger des Fallbuchs %1 ist voll; Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The case book %1 cannot be written (it or its folder is read-only); Quillon goes on without a case book.</source>
        <translation>Das Fallbuch %1 kann nicht beschrieben werden (es oder sein Ordner ist schreibgeschützt); Quillon arbeitet ohne Fallbuch weiter.</translation>
    </message>
    <message>
        <source>The disk that holds the case book is full; nothing was %1.</source>
        <translation>Der Datenträger des Fallbuchs ist voll; es wurde nichts %1.</translation>
    </message>
    <message>
        <source>The case book %1 cannot be written (it or its folder is read-only); nothing was %2.</source>
        <translation>Das Fallbuch %1 kann nicht beschrieben werden (es oder sein Ordner ist schreibgeschützt); es wurde nichts %2.</translation>
    </message>
    <message>
        <source>The case book could not be exported to %1 (%2).</source>
        <translation>Das Fallbuch konnte nicht nach %1 exportiert werden (%2).</translation>
    </message>
    <message>
        <source>The case book could not be read whole; no export was written.</source>
        <translation>Das Fallbuch konnte nicht vollständig gelesen werden; es wurde kein Export geschrieben.</translation>
    </message>
    <message>
        <source>The prescription&apos;s date &quot;%1&quot; is not a date of the calendar (YYYY-MM-DD); nothing was recorded.</source>
        <translation>Das Datum der Verordnung „%1“ ist kein Kalenderdatum (JJJJ-MM-TT); es wurde nichts erfasst.</translation>
    </message>
    <message>
        <source>Case book imported: %1, %2 replaced by the newer imported one%3, %4 kept because this case book&apos;s own was as new or newer%5, %6.</source>
        <translation>Fallbuch importiert: %1, %2 durch die neuere importierte ersetzt%3, %4 beibehalten, weil die eigene dieses Fallbuchs gleich neu oder neuer war%5, %6.</translation>
    </message>
    <message numerus="yes">
        <source>%n analyses added</source>
        <translation>
            <numerusform>%n Analyse hinzugefügt</numerusform>
            <numerusform>%n Analysen hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n prescriptions added</source>
        <translation>
            <numerusform>%n Verordnung hinzugefügt</numerusform>
            <numerusform>%n Verordnungen hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>The recorded symptom file is damaged: a visit block holds no date a visit can have</source>
        <translation>Die Symptomdatei ist beschädigt: Ein Besuchsblock trägt kein Datum, das ein Besuch haben kann</translation>
    </message>
    <message>
        <source>The analysis was not saved: %1.</source>
        <translation>Die Analyse wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The analysis was not renamed: %1.</source>
        <translation>Die Analyse wurde nicht umbenannt: %1.</translation>
    </message>
    <message>
        <source>The prescription was not recorded: %1.</source>
        <translation>Die Verordnung wurde nicht eingetragen: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>&quot;%1&quot; ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries</source>
        <translation>&quot;%1&quot; enthält mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a real time</source>
        <translation>&quot;%1&quot; ist keine gültige Zeit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is later than the present</source>
        <translation>&quot;%1&quot; liegt nach der Gegenwart</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>&quot;%1&quot; ist leer</translation>
    </message>
    <message>
        <source>&quot;uid&quot; is the same as another record&apos;s</source>
        <translation>&quot;uid&quot; ist dieselbe wie die eines anderen Eintrags</translation>
    </message>
    <message>
        <source>step %1 of &quot;steps&quot; is not an action of the chart (%2)</source>
        <translation>Schritt %1 von &quot;steps&quot; ist keine Aktion der Repertorisation (%2)</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>Praxis %1</translation>
    </message>
    <message>
        <source>patient %1 of practice %2</source>
        <translation>Patient %1 der Praxis %2</translation>
    </message>
    <message>
        <source>analysis %1 of patient %2</source>
        <translation>Analyse %1 des Patienten %2</translation>
    </message>
    <message>
        <source>prescription %1 of patient %2</source>
        <translation>Verordnung %1 des Patienten %2</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB and is not read. The case book was not changed.</source>
        <translation>Die Datei %1 ist größer als %2 MB und wird nicht gelesen. Das Fallbuch wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The command was not carried out: %1</source>
        <translation>Der Befehl wurde nicht ausgeführt: %1</translation>
    </message>
    <message>
        <source>Choose a patient first: click a row, or type part of the name or the registration number in Search and press Down. Then press OK.</source>
        <translation>Wählen Sie zuerst einen Patienten: Klicken Sie auf eine Zeile, oder tippen Sie einen Teil des Namens oder die Registriernummer unter Suchen ein und drücken Sie Pfeil nach unten. Drücken Sie dann OK.</translation>
    </message>
    <message>
        <source>The case book %1 is damaged or not a case book.</source>
        <translation>Das Fallbuch %1 ist beschädigt oder kein Fallbuch.</translation>
    </message>
    <message>
        <source>The case book %1 is of an older version; open it in Quillon once to bring it up to date.</source>
        <translation>Das Fallbuch %1 stammt von einer älteren Version; öffnen Sie es einmal in Quillon, um es auf den neuesten Stand zu bringen.</translation>
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
        <translation>Patienten, Fallaufnahmen, Folgebesuche und Arzneieigenschaften sind erfunden oder dienen der Veranschaulichung.</translation>
    </message>
</context>
<context>
    <name>quillon::CAnalysisListModel</name>
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
</context>
<context>
    <name>quillon::CCaseBookCommands</name>
    <message>
        <source>Save &amp;Analysis…</source>
        <translation>&amp;Analyse speichern…</translation>
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
        <source>Quillon case book.json</source>
        <translation>Quillon-Fallbuch.json</translation>
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
        <source>Case book exported to %1</source>
        <translation>Fallbuch exportiert nach %1</translation>
    </message>
    <message>
        <source>None of them: this folder is another practice</source>
        <translation>Keiner davon: Dieser Ordner ist eine andere Praxis</translation>
    </message>
    <message>
        <source>The case book holds analyses of this physician saved in other folders that hold these patients&apos; visits. Which folder was this practice&apos;s?</source>
        <translation>Das Fallbuch enthält Analysen dieses Arztes, die in anderen Ordnern mit den Besuchen dieser Patienten gespeichert wurden. Welcher Ordner war der dieser Praxis?</translation>
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
    <name>quillon::CClassFilterDialog</name>
    <message>
        <source>Classes / Families</source>
        <translation>Klassen / Familien</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <translation>Summe</translation>
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
Besuch vom %1: %3 Symptome
Besuch vom %2: %4 Symptome
Symptome in beiden Besuchen: %5</translation>
    </message>
    <message>
        <source>Totality %1</source>
        <translation>Summe %1</translation>
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
    <name>quillon::CConvertDialog</name>
    <message>
        <source>Convert Repertory To Materia Medica</source>
        <translation>Repertorium in Materia medica umwandeln</translation>
    </message>
    <message>
        <source>Drug Marks</source>
        <translation>Arzneigrade</translation>
    </message>
    <message>
        <source>Full Drug List</source>
        <translation>Vollständige Arzneiliste</translation>
    </message>
    <message>
        <source>Search Drug:</source>
        <translation>Arznei suchen:</translation>
    </message>
    <message>
        <source>Selected Drug List</source>
        <translation>Ausgewählte Arzneien</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Drug Full Name:</source>
        <translation>Vollständiger Arzneiname:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillon::CCrFollow</name>
    <message>
        <source>Full Case Record -- </source>
        <translation>Vollständige Fallaufnahme -- </translation>
    </message>
    <message>
        <source>Patient Followup -- </source>
        <translation>Folgebesuche -- </translation>
    </message>
    <message>
        <source>Dr. Name :</source>
        <translation>Behandler :</translation>
    </message>
    <message>
        <source>Patient Name :</source>
        <translation>Patient :</translation>
    </message>
</context>
<context>
    <name>quillon::CDrugFilterDlg</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Summe</translation>
    </message>
    <message>
        <source>Symp.  Cov.</source>
        <translation>Abgedeckt</translation>
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
        <source>Save as C&amp;SV…</source>
        <translation>Als C&amp;SV speichern…</translation>
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
        <translation>Gesamtsumme</translation>
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
        <translation>Die Familien der %1 Arzneien der Repertorisation in ihrem jetzigen Stand, nach der Gesamtsumme der Summen ihrer Arzneien.
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
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als &amp;PDF speichern…</translation>
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
        <translation>&amp;Grad</translation>
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
    <message>
        <source>Remedy List</source>
        <translation>Arzneiliste</translation>
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
        <source>&amp;Open Practice Folder…</source>
        <translation>Praxisordner ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Recen&amp;t Folders</source>
        <translation>&amp;Zuletzt geöffnete Ordner</translation>
    </message>
    <message>
        <source>Select &amp;Patient</source>
        <translation>&amp;Patient auswählen</translation>
    </message>
    <message>
        <source>Recorded &amp;Symptoms</source>
        <translation>Erfasste &amp;Symptome</translation>
    </message>
    <message>
        <source>&amp;Repertorisation</source>
        <translation>&amp;Repertorisation</translation>
    </message>
    <message>
        <source>Symptom &amp;List</source>
        <translation>Symptom&amp;liste</translation>
    </message>
    <message>
        <source>Full Case Record</source>
        <translation>Vollständige Fallaufnahme</translation>
    </message>
    <message>
        <source>Followup</source>
        <translation>Folgebesuche</translation>
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
        <source>&amp;Compare with Visit…</source>
        <translation>Mit Besuch &amp;vergleichen…</translation>
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
        <source>Quillon &amp;Help</source>
        <translation>Quillon-&amp;Hilfe</translation>
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
    <message>
        <source>Fit Chart to &amp;Window</source>
        <translation>Repertorisation an Fenster &amp;anpassen</translation>
    </message>
</context>
<context>
    <name>quillon::CMineralFilterDlg</name>
    <message>
        <source>Mineral Filter</source>
        <translation>Mineralfilter</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Basic Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Lanthinides</source>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Gruppenauswahl</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillon::COpenAnalysisDialog</name>
    <message>
        <source>Open Analysis</source>
        <translation>Analyse öffnen</translation>
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
        <source>Saved analyses</source>
        <translation>Gespeicherte Analysen</translation>
    </message>
    <message>
        <source>Notes of the chosen analysis</source>
        <translation>Notizen der gewählten Analyse</translation>
    </message>
    <message>
        <source>The chosen analysis has no notes.</source>
        <translation>Die gewählte Analyse hat keine Notizen.</translation>
    </message>
    <message>
        <source>Delete Analysis</source>
        <translation>Analyse löschen</translation>
    </message>
    <message>
        <source>Delete the analysis &quot;%1&quot; with its steps and notes? Its prescriptions stay in the case book.</source>
        <translation>Die Analyse „%1“ mit ihren Schritten und Notizen löschen? Ihre Verordnungen bleiben im Fallbuch.</translation>
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
    <message>
        <source>The note is longer than %1 characters (%2 now); shorten it to record the prescription.</source>
        <translation>Die Notiz ist länger als %1 Zeichen (jetzt %2); kürzen Sie sie, um die Verordnung zu erfassen.</translation>
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
        <translation>&amp;Repertorisation</translation>
    </message>
    <message>
        <source>Open Repertorisation Table</source>
        <translation>Repertorisation öffnen</translation>
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
    <message>
        <source>Symptoms</source>
        <translation>Symptome</translation>
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
        <translation>Abgedeckte/nicht abgedeckte &amp;Symptome</translation>
    </message>
    <message>
        <source>&amp;Conv. Rep To MM</source>
        <translation>Rep. in &amp;MM umwandeln</translation>
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
        <translation>&amp;Verordnung eintragen…</translation>
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
        <translation>  Für %1        Reg.-Nr. : %2       Besuchsdatum : %3</translation>
    </message>
    <message>
        <source>Symptom rows</source>
        <translation>Symptomzeilen</translation>
    </message>
    <message>
        <source>Remedy columns</source>
        <translation>Arzneispalten</translation>
    </message>
    <message>
        <source>Rubric text</source>
        <translation>Rubrikentext</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Symptoms: %1</source>
        <translation>Symptome: %1</translation>
    </message>
    <message>
        <source>Remedies: %1</source>
        <translation>Arzneien: %1</translation>
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
        <translation>No&amp;tizen:</translation>
    </message>
    <message>
        <source>The notes are longer than %1 characters (%2 now); shorten them to save the analysis.</source>
        <translation>Die Notizen sind länger als %1 Zeichen (jetzt %2); kürzen Sie sie, um die Analyse zu speichern.</translation>
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
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Registration number or part of the name</source>
        <translation>Registriernummer oder Teil des Namens</translation>
    </message>
    <message>
        <source>Search patients</source>
        <translation>Patienten suchen</translation>
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
        <translation>Summe</translation>
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
        <source>
Elimination: no symptom is marked &quot;Eliminate by this Symptom&quot;.</source>
        <translation>
Elimination: Kein Symptom ist mit „Mit diesem Symptom eliminieren“ markiert.</translation>
    </message>
    <message>
        <source>Visit date: %1</source>
        <translation>Besuchsdatum: %1</translation>
    </message>
    <message>
        <source>Totality: by the totality, then the symptoms covered, as the chart.</source>
        <translation>Summe: nach der Summe, dann nach den abgedeckten Symptomen, wie die Repertorisation.</translation>
    </message>
    <message>
        <source>Symptoms covered first: by the symptoms covered, then the totality.</source>
        <translation>Abgedeckte Symptome zuerst: nach den abgedeckten Symptomen, dann nach der Summe.</translation>
    </message>
    <message>
        <source>Weighted: by the sum of grade × Weightage intensity (shown first), then the symptoms covered.</source>
        <translation>Gewichtet: nach der Summe aus Grad × Intensität der Gewichtung (vorne gezeigt), dann nach den abgedeckten Symptomen.</translation>
    </message>
    <message>
        <source>Small rubrics: by the sum of the grades (shown first), a grade counting 3 in a rubric of up to 10 remedies, 2 up to 50, 1 above.</source>
        <translation>Kleine Rubriken: nach der Summe der Grade (vorne gezeigt); ein Grad zählt 3 in einer Rubrik mit bis zu 10 Arzneien, 2 bis 50, 1 darüber.</translation>
    </message>
    <message>
        <source>Elimination: as Totality, among the remedies every eliminating symptom names.</source>
        <translation>Elimination: wie Summe, unter den Arzneien, die jedes eliminierende Symptom nennt.</translation>
    </message>
    <message>
        <source>%1 active symptoms read five ways; each column lists its first %2 remedies with their totality/symptoms covered, as the chart shows them.
* leads every column: it stands among the first %2 of each.</source>
        <translation>%1 aktive Symptome auf fünf Arten ausgewertet; jede Spalte zeigt ihre ersten %2 Arzneien mit Summe/abgedeckten Symptomen, wie die Repertorisation sie zeigt.
* führt in jeder Spalte: steht in jeder unter den ersten %2.</translation>
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
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Covered %1</source>
        <translation>Abgedeckt %1</translation>
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
    <message>
        <source>Rubrics</source>
        <translation>Rubriken</translation>
    </message>
</context>
</TS>
