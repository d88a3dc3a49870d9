<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CaseRecordPage</name>
    <message>
        <source>Full Case Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chief Complaints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associated Complaints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin/Nails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appetite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggravation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatulence/Intestinal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eructations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perspiration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexual Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eyes/Vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ears/Hearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouth/Toungue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teeth/Gums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respiratory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urinary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extremities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genetalia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subconscious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather/Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan/Air Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Wet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menses: Menarche/LMP/Menopause/Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menses Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menses During</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menses After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leucorrhoea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pregnancy, Labour, Puerperium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodicity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developmental Landmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life Situation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sadness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anxiety Agitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anxiety Anticipatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anxiety Depression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes/Observations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Drinks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WarmFood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complaints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mental State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient Followup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A visit&apos;s date on the follow-up page: day, abbreviated month name, year (&quot;5 Nov, 2002&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>To view Full Case Record you must first enter Case Record Data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Followup data does not exist for this Patient.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::CCrFollow</name>
    <message>
        <source>Full Case Record -- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient Followup -- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dr. Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient Name :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
