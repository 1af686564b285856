<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>result too large</source>
        <translation>résultat trop grand</translation>
    </message>
    <message>
        <source>decimal too precise</source>
        <translation>trop de décimales</translation>
    </message>
    <message>
        <source>invalid binary number</source>
        <translation>nombre binaire non valide</translation>
    </message>
    <message>
        <source>invalid octal number</source>
        <translation>nombre octal non valide</translation>
    </message>
    <message>
        <source>invalid decimal number</source>
        <translation>nombre décimal non valide</translation>
    </message>
    <message>
        <source>invalid hexadecimal number</source>
        <translation>nombre hexadécimal non valide</translation>
    </message>
    <message>
        <source>invalid Roman numeral</source>
        <translation>nombre romain non valide</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Indice d’onglet hors limites</translation>
    </message>
    <message>
        <source>Because of the addition of new unit categories in this version of Quantivo, any custom category arranging will need to be redone.</source>
        <translation>Cette version de Quantivo ajoute de nouvelles catégories d’unités&#xa0;: tout ordre personnalisé des catégories devra être refait.</translation>
    </message>
    <message>
        <source>You cannot invert this type of conversion.</source>
        <translation>Ce type de conversion ne peut pas être inversé.</translation>
    </message>
    <message>
        <source>Both units must be selected before you can invert the conversion.</source>
        <translation>Les deux unités doivent être sélectionnées avant de pouvoir inverser la conversion.</translation>
    </message>
    <message>
        <source>Strikeout and underline attributes are not allowed.</source>
        <translation>Les attributs barré et souligné ne sont pas autorisés.</translation>
    </message>
    <message>
        <source>Unable to start the Windows Calculator.</source>
        <translation>Impossible de démarrer la calculatrice Windows.</translation>
    </message>
    <message>
        <source>Roman numerals</source>
        <extracomment>Stands for %1 or %2 of &quot;From %1 to %2&quot;.</extracomment>
        <translation>chiffres romains</translation>
    </message>
    <message>
        <source>base %1</source>
        <extracomment>A number system, as in &quot;base 16&quot;; stands for %1 or %2 of &quot;From %1 to %2&quot;.</extracomment>
        <translation>base %1</translation>
    </message>
    <message>
        <source>invalid number [%1]</source>
        <translation>nombre non valide [%1]</translation>
    </message>
    <message>
        <source>invalid base-%1 number</source>
        <translation>nombre en base %1 non valide</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <extracomment>A line of the conversion factor: %1 and %2 are number systems, &quot;base 2&quot; or &quot;Roman numerals&quot;.</extracomment>
        <translation>De %1 en %2</translation>
    </message>
    <message>
        <source>Lines of %1 that define no unit are left out and kept in the file:
%2</source>
        <translation>Les lignes de %1 qui ne définissent aucune unité sont ignorées et gardées dans le fichier :
%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>[%1] is not the name of a category&apos;s section</source>
        <translation>[%1] n’est la section d’aucune catégorie</translation>
    </message>
    <message>
        <source>%1 takes no units of your own: only categories converted by a factor do</source>
        <translation>%1 n’accepte pas d’unités personnalisées : seules les catégories converties par un facteur en acceptent</translation>
    </message>
    <message>
        <source>a unit is written as name = value unit, as in step = 60 centimeter</source>
        <translation>une unité s’écrit nom = valeur unité, comme step = 60 centimeter</translation>
    </message>
    <message>
        <source>the unit has no name</source>
        <translation>l’unité n’a pas de nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already a name in this category</source>
        <translation>« %1 » est déjà un nom de cette catégorie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written in the units file: a name holds no &quot;,&quot;, &quot;=&quot;, &quot;;&quot; or control character and does not begin with &quot;[&quot; or &quot;#&quot;</source>
        <translation>« %1 » ne peut pas être écrit dans le fichier des unités : un nom ne contient ni « , » ni « = » ni « ; » ni caractère de contrôle et ne commence pas par « [ » ou « # »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a positive number</source>
        <translation>« %1 » n’est pas un nombre positif</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this category&apos;s table</source>
        <translation>« %1 » n’est pas une unité de la table de cette catégorie</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Par défaut</translation>
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
        <translation>Aide de Quantivo</translation>
    </message>
    <message>
        <source>The help window&apos;s library cannot be loaded: %1</source>
        <translation>La bibliothèque de la fenêtre d’aide ne peut pas être chargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>L’aide n’est pas disponible</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Copy &amp;Result</source>
        <translation>Copier le &amp;résultat</translation>
    </message>
    <message>
        <source>&amp;Invert Current Conversion</source>
        <translation>&amp;Inverser la conversion</translation>
    </message>
    <message>
        <source>Clear Input &amp;Text Box</source>
        <translation>&amp;Effacer la zone de saisie</translation>
    </message>
    <message>
        <source>C&amp;lear All Text and List Boxes</source>
        <translation>&amp;Vider toutes les zones et listes</translation>
    </message>
    <message>
        <source>&amp;Result Number Format...</source>
        <translation>&amp;Format du résultat...</translation>
    </message>
    <message>
        <source>&amp;Fonts...</source>
        <translation>&amp;Polices...</translation>
    </message>
    <message>
        <source>Choose &amp;Unit Category...</source>
        <translation>&amp;Choisir une catégorie...</translation>
    </message>
    <message>
        <source>&amp;Sort Units Alphabetically</source>
        <translation>&amp;Trier les unités par ordre alphabétique</translation>
    </message>
    <message>
        <source>&amp;Arrange Category Order...</source>
        <translation>&amp;Ordonner les catégories...</translation>
    </message>
    <message>
        <source>F&amp;ind Unit...</source>
        <translation>&amp;Rechercher une unité...</translation>
    </message>
    <message>
        <source>Show Con&amp;version Factor</source>
        <translation>&amp;Afficher le facteur de conversion</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Toujours au premier p&amp;lan</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculatrice</translation>
    </message>
    <message>
        <source>&amp;Metric Prefixes</source>
        <translation>&amp;Préfixes métriques</translation>
    </message>
    <message>
        <source>Conversion &amp;Table...</source>
        <translation>&amp;Table de conversion...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Rechercher dans l’aide...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Utiliser l’aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos de Quantivo...</translation>
    </message>
    <message>
        <source>E&amp;xit!</source>
        <translation>&amp;Quitter&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Custom Units...</source>
        <translation>&amp;Unités personnalisées...</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::ConversionTableWindow</name>
    <message>
        <source>Conversion Table</source>
        <translation>Table de conversion</translation>
    </message>
    <message>
        <source>Conversion table</source>
        <translation>Table de conversion</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>output unit</source>
        <translation>unité cible</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::FindUnitPopup</name>
    <message>
        <source>Find Unit</source>
        <translation>Rechercher une unité</translation>
    </message>
    <message>
        <source>Find unit</source>
        <translation>Rechercher une unité</translation>
    </message>
    <message>
        <source>Unit or category name</source>
        <translation>Nom d’unité ou de catégorie</translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation>Unités correspondantes</translation>
    </message>
    <message>
        <source>Use for &amp;Input</source>
        <translation>Utiliser en &amp;entrée</translation>
    </message>
    <message>
        <source>Enter, or a double click</source>
        <translation>Entrée ou double-clic</translation>
    </message>
    <message>
        <source>Use for &amp;Output</source>
        <translation>Utiliser en &amp;sortie</translation>
    </message>
    <message>
        <source>Shift+Enter</source>
        <translation>Maj+Entrée</translation>
    </message>
    <message>
        <source>%1 (your own)</source>
        <translation>%1 (personnalisée)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No matching units</source>
        <translation>Aucune unité correspondante</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::HelpWindow</name>
    <message>
        <source>Quantivo Help</source>
        <translation>Aide de Quantivo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Chercher&#xa0;:</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found or read. Build the program again, or reinstall it, to put the help file back.</source>
        <translation>Le fichier d’aide %1 est introuvable ou illisible. Recompilez le programme ou réinstallez-le pour rétablir le fichier d’aide.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>First page of hits</source>
        <translation>Première page de résultats</translation>
    </message>
    <message>
        <source>Previous page of hits</source>
        <translation>Page de résultats précédente</translation>
    </message>
    <message>
        <source>Next page of hits</source>
        <translation>Page de résultats suivante</translation>
    </message>
    <message>
        <source>Last page of hits</source>
        <translation>Dernière page de résultats</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_About</name>
    <message>
        <source>%1-bit</source>
        <translation>%1&#xa0;bits</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Quantivo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.81 - Jun 29, 1997</source>
        <translation>Version 1.81 – 29 juin 1997</translation>
    </message>
    <message>
        <source>Total Units Supported: </source>
        <translation>Unités prises en charge&#xa0;: </translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plateforme&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_ArrangeUnits</name>
    <message>
        <source>Arrange Category Order</source>
        <translation>Ordonner les catégories</translation>
    </message>
    <message>
        <source>Arrange the Unit Categories in any order:</source>
        <translation>Ordonnez les catégories à votre guise&#xa0;:</translation>
    </message>
    <message>
        <source>Category order</source>
        <translation>Ordre des catégories</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Déplacer vers le haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Déplacer vers le bas</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>Sort alphabetically</source>
        <translation>Trier par ordre alphabétique</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_ChooseUnits</name>
    <message>
        <source>Choose Category</source>
        <translation>Choisir une catégorie</translation>
    </message>
    <message>
        <source>Choose a Unit Category:</source>
        <translation>Choisissez une catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Unit categories</source>
        <translation>Catégories d’unités</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_CustomUnit</name>
    <message>
        <source>Add Unit: %1</source>
        <translation>Ajouter une unité : %1</translation>
    </message>
    <message>
        <source>Edit Unit: %1</source>
        <translation>Modifier l’unité : %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>symbols, separated by commas</source>
        <translation>symboles, séparés par des virgules</translation>
    </message>
    <message>
        <source>&amp;Other names:</source>
        <translation>&amp;Autres noms :</translation>
    </message>
    <message>
        <source>Unit of the table</source>
        <translation>Unité de la table</translation>
    </message>
    <message>
        <source>&amp;1 %1 =</source>
        <translation>&amp;1 %1 =</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_CustomUnits</name>
    <message>
        <source>Custom Units: %1</source>
        <translation>Unités personnalisées : %1</translation>
    </message>
    <message>
        <source>&amp;Units of your own:</source>
        <translation>&amp;Unités personnalisées :</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove the unit &quot;%1&quot;?</source>
        <translation>Supprimer l’unité « %1 » ?</translation>
    </message>
    <message>
        <source>Units of your own</source>
        <translation>Unités personnalisées</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_Fonts</name>
    <message>
        <source>Change...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Sample Text - 12345</source>
        <translation>Exemple - 12345</translation>
    </message>
    <message>
        <source>Text and List Boxes</source>
        <translation>Zones de texte et listes</translation>
    </message>
    <message>
        <source>Index Tab Font</source>
        <translation>Police des onglets</translation>
    </message>
    <message>
        <source>Change the text and list box font</source>
        <translation>Modifier la police des zones de texte et des listes</translation>
    </message>
    <message>
        <source>Change the index tab font</source>
        <translation>Modifier la police des onglets</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::Tfrm_NumberFormat</name>
    <message>
        <source>AutoFormat</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Fixed with Commas</source>
        <extracomment>Fixed decimals with the thousands grouped by the desktop&apos;s separator.</extracomment>
        <translation>Fixe, milliers espacés</translation>
    </message>
    <message>
        <source>Result Number Format</source>
        <translation>Format du résultat</translation>
    </message>
    <message>
        <source>Choose Result Number Format</source>
        <translation>Choisir le format</translation>
    </message>
    <message>
        <source>Decimal Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>0-9 decimal places may be displayed.</source>
        <translation>0 à 9 décimales affichables.</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
</context>
<context>
    <name>quantivo::ui::WorkingPanel</name>
    <message>
        <source>Decimal to Convert to a Fraction</source>
        <translation>Nombre décimal à convertir en fraction</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Valeur à convertir</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Convertir de</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Convertir en</translation>
    </message>
    <message>
        <source>to</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Conversion factor</source>
        <translation>Facteur de conversion</translation>
    </message>
</context>
</TS>
