<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>result too large</source>
        <translation>Ergebnis zu groß</translation>
    </message>
    <message>
        <source>decimal too precise</source>
        <translation>zu viele Nachkommastellen</translation>
    </message>
    <message>
        <source>invalid binary number</source>
        <translation>ungültige Binärzahl</translation>
    </message>
    <message>
        <source>invalid octal number</source>
        <translation>ungültige Oktalzahl</translation>
    </message>
    <message>
        <source>invalid decimal number</source>
        <translation>ungültige Dezimalzahl</translation>
    </message>
    <message>
        <source>invalid hexadecimal number</source>
        <translation>ungültige Hexadezimalzahl</translation>
    </message>
    <message>
        <source>invalid Roman numeral</source>
        <translation>ungültige römische Zahl</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Registerkartenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Because of the addition of new unit categories in this version of Quantivo, any custom category arranging will need to be redone.</source>
        <translation>Da diese Version von Quantivo neue Einheitenkategorien enthält, muss eine eigene Anordnung der Kategorien neu vorgenommen werden.</translation>
    </message>
    <message>
        <source>You cannot invert this type of conversion.</source>
        <translation>Diese Art von Umrechnung lässt sich nicht umkehren.</translation>
    </message>
    <message>
        <source>Both units must be selected before you can invert the conversion.</source>
        <translation>Wählen Sie beide Einheiten aus, bevor Sie die Umrechnung umkehren.</translation>
    </message>
    <message>
        <source>Strikeout and underline attributes are not allowed.</source>
        <translation>Durchgestrichene und unterstrichene Schrift ist nicht zulässig.</translation>
    </message>
    <message>
        <source>Unable to start the Windows Calculator.</source>
        <translation>Der Windows-Rechner kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Roman numerals</source>
        <extracomment>Stands for %1 or %2 of &quot;From %1 to %2&quot;.</extracomment>
        <translation>römischen Zahlen</translation>
    </message>
    <message>
        <source>base %1</source>
        <extracomment>A number system, as in &quot;base 16&quot;; stands for %1 or %2 of &quot;From %1 to %2&quot;.</extracomment>
        <translation>Basis %1</translation>
    </message>
    <message>
        <source>invalid number [%1]</source>
        <translation>ungültige Zahl [%1]</translation>
    </message>
    <message>
        <source>invalid base-%1 number</source>
        <translation>ungültige Zahl zur Basis %1</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A line of the conversion factor: %1 and %2 are number systems, &quot;base 2&quot; or &quot;Roman numerals&quot;.</extracomment>
        <translation>Von %1 nach %2</translation>
    </message>
    <message>
        <source>Lines of %1 that define no unit are left out and kept in the file:
%2</source>
        <translation>Zeilen von %1, die keine Einheit festlegen, bleiben unbeachtet und in der Datei erhalten:
%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>[%1] is not the name of a category&apos;s section</source>
        <translation>[%1] ist nicht der Abschnitt einer Kategorie</translation>
    </message>
    <message>
        <source>%1 takes no units of your own: only categories converted by a factor do</source>
        <translation>%1 nimmt keine eigenen Einheiten auf: das können nur Kategorien, die mit einem Faktor umrechnen</translation>
    </message>
    <message>
        <source>a unit is written as name = value unit, as in step = 60 centimeter</source>
        <translation>eine Einheit wird als Name = Wert Einheit geschrieben, wie step = 60 centimeter</translation>
    </message>
    <message>
        <source>the unit has no name</source>
        <translation>die Einheit hat keinen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already a name in this category</source>
        <translation>„%1“ ist in dieser Kategorie schon ein Name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written in the units file: a name holds no &quot;,&quot;, &quot;=&quot;, &quot;;&quot; or control character and does not begin with &quot;[&quot; or &quot;#&quot;</source>
        <translation>„%1“ kann nicht in die Einheitendatei geschrieben werden: ein Name enthält kein „,“, „=“, „;“ oder Steuerzeichen und beginnt nicht mit „[“ oder „#“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a positive number</source>
        <translation>„%1“ ist keine positive Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this category&apos;s table</source>
        <translation>„%1“ ist keine Einheit der Tabelle dieser Kategorie</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quantivo Help</source>
        <translation>Quantivo-Hilfe</translation>
    </message>
    <message>
        <source>The help window&apos;s library cannot be loaded: %1</source>
        <translation>Die Bibliothek des Hilfefensters kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Hilfe ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Copy &amp;Result</source>
        <translation>E&amp;rgebnis kopieren</translation>
    </message>
    <message>
        <source>&amp;Invert Current Conversion</source>
        <translation>Umrechnung &amp;umkehren</translation>
    </message>
    <message>
        <source>Clear Input &amp;Text Box</source>
        <translation>Eingabefeld &amp;leeren</translation>
    </message>
    <message>
        <source>C&amp;lear All Text and List Boxes</source>
        <translation>Alle Felder und Listen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Result Number Format...</source>
        <translation>&amp;Zahlenformat des Ergebnisses...</translation>
    </message>
    <message>
        <source>&amp;Fonts...</source>
        <translation>&amp;Schriftarten...</translation>
    </message>
    <message>
        <source>Choose &amp;Unit Category...</source>
        <translation>&amp;Kategorie wählen...</translation>
    </message>
    <message>
        <source>&amp;Sort Units Alphabetically</source>
        <translation>Einheiten &amp;alphabetisch sortieren</translation>
    </message>
    <message>
        <source>&amp;Arrange Category Order...</source>
        <translation>Kategorien an&amp;ordnen...</translation>
    </message>
    <message>
        <source>F&amp;ind Unit...</source>
        <translation>Einheit s&amp;uchen...</translation>
    </message>
    <message>
        <source>Show Con&amp;version Factor</source>
        <translation>Umrechnungs&amp;faktor anzeigen</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Taschenrechner</translation>
    </message>
    <message>
        <source>&amp;Metric Prefixes</source>
        <translation>&amp;Metrische Präfixe</translation>
    </message>
    <message>
        <source>Conversion &amp;Table...</source>
        <translation>&amp;Umrechnungstabelle...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Hilfe &amp;durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Verwenden der Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Quantivo...</translation>
    </message>
    <message>
        <source>E&amp;xit!</source>
        <translation>B&amp;eenden!</translation>
    </message>
    <message>
        <source>&amp;Custom Units...</source>
        <translation>&amp;Eigene Einheiten...</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::ConversionTableWindow</name>
    <message>
        <source>Conversion Table</source>
        <translation>Umrechnungstabelle</translation>
    </message>
    <message>
        <source>Conversion table</source>
        <translation>Umrechnungstabelle</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alle kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>output unit</source>
        <translation>Zieleinheit</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::FindUnitPopup</name>
    <message>
        <source>Find Unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Find unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Unit or category name</source>
        <translation>Name der Einheit oder Kategorie</translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation>Passende Einheiten</translation>
    </message>
    <message>
        <source>Use for &amp;Input</source>
        <translation>Als &amp;Eingabe verwenden</translation>
    </message>
    <message>
        <source>Enter, or a double click</source>
        <translation>Eingabetaste oder Doppelklick</translation>
    </message>
    <message>
        <source>Use for &amp;Output</source>
        <translation>Als &amp;Ausgabe verwenden</translation>
    </message>
    <message>
        <source>Shift+Enter</source>
        <translation>Umschalt+Eingabetaste</translation>
    </message>
    <message>
        <source>%1 (your own)</source>
        <translation>%1 (eigene)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No matching units</source>
        <translation>Keine passenden Einheiten</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::HelpWindow</name>
    <message>
        <source>Quantivo Help</source>
        <translation>Quantivo-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Such&amp;begriff:</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
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
        <source>The help file %1 cannot be found or read. Build the program again, or reinstall it, to put the help file back.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden oder kann nicht gelesen werden. Erstellen Sie das Programm neu oder installieren Sie es erneut, um die Hilfedatei wiederherzustellen.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>First page of hits</source>
        <translation>Erste Trefferseite</translation>
    </message>
    <message>
        <source>Previous page of hits</source>
        <translation>Vorige Trefferseite</translation>
    </message>
    <message>
        <source>Next page of hits</source>
        <translation>Nächste Trefferseite</translation>
    </message>
    <message>
        <source>Last page of hits</source>
        <translation>Letzte Trefferseite</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_About</name>
    <message>
        <source>%1-bit</source>
        <translation>%1-Bit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quantivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.81 - Jun 29, 1997</source>
        <translation>Version 1.81 – 29. Juni 1997</translation>
    </message>
    <message>
        <source>Total Units Supported: </source>
        <translation>Unterstützte Einheiten: </translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plattform:</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_ArrangeUnits</name>
    <message>
        <source>Arrange Category Order</source>
        <translation>Kategorien anordnen</translation>
    </message>
    <message>
        <source>Arrange the Unit Categories in any order:</source>
        <translation>Ordnen Sie die Kategorien beliebig an:</translation>
    </message>
    <message>
        <source>Category order</source>
        <translation>Reihenfolge der Kategorien</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Hoch</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Runter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;A–Z</translation>
    </message>
    <message>
        <source>Sort alphabetically</source>
        <translation>Alphabetisch sortieren</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_ChooseUnits</name>
    <message>
        <source>Choose Category</source>
        <translation>Kategorie wählen</translation>
    </message>
    <message>
        <source>Choose a Unit Category:</source>
        <translation>Wählen Sie eine Kategorie:</translation>
    </message>
    <message>
        <source>Unit categories</source>
        <translation>Einheitenkategorien</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_CustomUnit</name>
    <message>
        <source>Add Unit: %1</source>
        <translation>Einheit hinzufügen: %1</translation>
    </message>
    <message>
        <source>Edit Unit: %1</source>
        <translation>Einheit bearbeiten: %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>symbols, separated by commas</source>
        <translation>Symbole, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>&amp;Other names:</source>
        <translation>&amp;Weitere Namen:</translation>
    </message>
    <message>
        <source>Unit of the table</source>
        <translation>Einheit der Tabelle</translation>
    </message>
    <message>
        <source>&amp;1 %1 =</source>
        <translation>&amp;1 %1 =</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_CustomUnits</name>
    <message>
        <source>Custom Units: %1</source>
        <translation>Eigene Einheiten: %1</translation>
    </message>
    <message>
        <source>&amp;Units of your own:</source>
        <translation>&amp;Eigene Einheiten:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>Remove the unit &quot;%1&quot;?</source>
        <translation>Die Einheit „%1“ entfernen?</translation>
    </message>
    <message>
        <source>Units of your own</source>
        <translation>Eigene Einheiten</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_Fonts</name>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Farbe...</translation>
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
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Sample Text - 12345</source>
        <translation>Beispieltext - 12345</translation>
    </message>
    <message>
        <source>Text and List Boxes</source>
        <translation>Eingabefelder und Listen</translation>
    </message>
    <message>
        <source>Index Tab Font</source>
        <translation>Schrift der Registerkarten</translation>
    </message>
    <message>
        <source>Change the text and list box font</source>
        <translation>Schrift der Eingabefelder und Listen ändern</translation>
    </message>
    <message>
        <source>Change the index tab font</source>
        <translation>Schrift der Registerkarten ändern</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_NumberFormat</name>
    <message>
        <source>AutoFormat</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Fixed with Commas</source>
        <extracomment>Fixed decimals with the thousands grouped by the desktop&apos;s separator.</extracomment>
        <translation>Mit Tausenderpunkten</translation>
    </message>
    <message>
        <source>Result Number Format</source>
        <translation>Zahlenformat des Ergebnisses</translation>
    </message>
    <message>
        <source>Choose Result Number Format</source>
        <translation>Zahlenformat wählen</translation>
    </message>
    <message>
        <source>Decimal Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>0-9 decimal places may be displayed.</source>
        <translation>0 bis 9 Stellen nach dem Komma möglich.</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::WorkingPanel</name>
    <message>
        <source>Decimal to Convert to a Fraction</source>
        <translation>In einen Bruch umzuwandelnde Dezimalzahl</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Umzurechnender Wert</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Umrechnen von</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Umrechnen in</translation>
    </message>
    <message>
        <source>to</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Conversion factor</source>
        <translation>Umrechnungsfaktor</translation>
    </message>
</context>
</TS>
