<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Filter tierischer Arzneien</translation>
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
        <translation>Für Zeile %1</translation>
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
    <name>CRepCmpVw</name>
    <message>
        <source>Symptoms Covered by Drugs</source>
        <translation>Von den Arzneien abgedeckte Symptome</translation>
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
        <translation>Die Tabelle zeigt bereits nur noch ihre pflanzlichen Arzneien. Dieser Dialog grenzt sie weiter auf eine botanische Klasse oder
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
        <translation>&lt;b&gt;OK&lt;/b&gt; entfernt aus der Tabelle jede Arznei, die nicht passt, und die Überschrift der Tabelle nennt die Klasse und
die gewählten Teile. Passt keine Arznei, kehrt die Tabelle zur normalen Repertorisation zurück und meldet dies.
&lt;b&gt;Abbrechen&lt;/b&gt; (oder Escape) verlässt den Filter und führt die Tabelle zur normalen Repertorisation zurück.</translation>
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
        <source>Differentiate Materia Medica for  Recorded Symptoms</source>
        <translation>Differenzierende Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Compare Materia Medica for  Recorded Symptoms</source>
        <translation>Vergleichende Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Complete Materia Medica for  Recorded Symptoms</source>
        <translation>Vollständige Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>Single Remedy Rubrics for  Recorded Symptoms</source>
        <translation>Einzelmittel-Rubriken der erfassten Symptome</translation>
    </message>
    <message>
        <source>Create Materia Medica for  Recorded Symptoms</source>
        <translation>Erstellte Materia medica der erfassten Symptome</translation>
    </message>
    <message>
        <source>One Remedy Rubrics for  Recorded Symptoms</source>
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
        <source>Error in file plcode.dat</source>
        <translation>Fehler in der Datei plcode.dat</translation>
    </message>
    <message>
        <source>Error in file anmlcode.dat</source>
        <translation>Fehler in der Datei anmlcode.dat</translation>
    </message>
    <message>
        <source>Error reading File</source>
        <translation>Fehler beim Lesen der Datei</translation>
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
        <translation>Die Auswahl nach Zeile und Spalte ist hier nicht möglich</translation>
    </message>
    <message>
        <source>Only one coloumn and row can be selected</source>
        <translation>Es können nur eine Spalte und eine Zeile ausgewählt werden</translation>
    </message>
    <message>
        <source>Unselect all individual elements and then select group</source>
        <translation>Heben Sie die Auswahl aller einzelnen Elemente auf und wählen Sie dann eine Gruppe</translation>
    </message>
    <message>
        <source>Error in row number</source>
        <translation>Fehler in der Zeilennummer</translation>
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
        <translation>Bitte wählen Sie eine Option für die Materia medica</translation>
    </message>
    <message>
        <source>No match found</source>
        <translation>Keine Übereinstimmung gefunden</translation>
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
</TS>
