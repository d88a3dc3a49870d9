<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Thermischer Zustand</translation>
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
    <name>Message</name>
    <message>
        <source>To view Full Case Record you must first enter Case Record Data.</source>
        <translation>Um die vollständige Fallaufnahme anzuzeigen, müssen Sie zuerst die Daten der Fallaufnahme eingeben.</translation>
    </message>
    <message>
        <source>Followup data does not exist for this Patient.</source>
        <translation>Für diesen Patienten gibt es keine Daten zu Folgebesuchen.</translation>
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
</TS>
