<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CClassFilterModel</name>
    <message>
        <source>Plant Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flowers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fruit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;eeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Juice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;ntire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gum/Resin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alkaloid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animal Drug Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animal Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bowel Nosodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Corticoids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Milk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;oths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nosodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sarcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Poisons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ea Animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sna&amp;kes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spi&amp;der</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Birds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConvertDialog</name>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comp&amp;lete  Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pare Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differentiate &amp;Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Single Remedy Rubrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;One Remedy Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;reate Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrugFilterModel</name>
    <message>
        <source>Psoric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sycotic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tubercular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;yphilitic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chilly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambithermal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nosode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sarcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Polychrest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Polychrest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chronic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inter Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tautopathic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U. Rt. Low Lt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U. Lt. Low Rt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rt. to Lt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt. to Rt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bach Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowel Nosode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imponderablia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miasm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polychrest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drug Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drug Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Drug Properties For Repertorization</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMateriaMedicaGrid</name>
    <message>
        <source>Symptoms Covered by Drugs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not in this rubric</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMineralFilterModel</name>
    <message>
        <source>For Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  And </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Row %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPeriodicTableGrid</name>
    <message>
        <source>Periodic table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRepCmpVw</name>
    <message>
        <source>Symptoms Covered by Drugs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterHelp</name>
    <message>
        <source>Plant Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart has already kept only its plant remedies. This dialog narrows them further to one botanical class or
family and to the plant parts the remedies are made from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classes / Families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a class or family in the list, or type the start of its name under &lt;b&gt;Search&lt;/b&gt;: the first entry that
begins with what you typed is chosen. With no entry chosen, remedies of every class stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the plant parts (roots, stem, bark, leaves, flowers, fruit, seeds, juice, extract, the entire plant,
gum or resin, alkaloid) the remedies must be made from. A remedy stays only when it is made from &lt;i&gt;every&lt;/i&gt;
part you ticked; with no part ticked the parts do not matter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK and Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;OK&lt;/b&gt; removes from the chart every remedy that does not match, and the chart&apos;s caption names the class and
the parts you chose. When no remedy matches, the chart returns to the normal repertorisation and says so.
&lt;b&gt;Cancel&lt;/b&gt; (or Escape) leaves the filter and returns the chart to the normal repertorisation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant Filters - Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MateriaMedicaListing</name>
    <message>
        <source>Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differentiate Materia Medica for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Materia Medica for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete Materia Medica for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Remedy Rubrics for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Materia Medica for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Remedy Rubrics for  Recorded Symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symptom Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symptom Count/Total Weightage:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error in file plcode.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in file anmlcode.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect group and then select individual element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row and column selection is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one coloumn and row can be selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect all individual elements and then select group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in row number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in col number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in element number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This drug is already selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Drug from Selected Drug List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one remedy from Full Drug List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select option(s) for Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::CClassFilterDialog</name>
    <message>
        <source>Classes / Families</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::CConvertDialog</name>
    <message>
        <source>Convert Repertory To Materia Medica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drug Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Drug List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Drug:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Drug List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drug Full Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::CDrugFilterDlg</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::CMineralFilterDlg</name>
    <message>
        <source>Mineral Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanthinides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
