#include "ui/Oprogramu1.h"

#include <string>

#include "core/NumberText.h"
#include "ui/TitlePicture.h"

Toprogramu::Toprogramu(forms::Platform& platform)
    : forms::Window("Toprogramu", "O programu", platform) {
  RegisterAll(Label1, Label2, Label3, Label4, Label5, Label6, Image1, Icon, Memo1, Memo2);
  Label1.SetCaption("Vnější trajekta 2.6");
  Label2.SetCaption("Verze:    2.6");
  // Each line stands on its own: the release date comes between them.
  Label3.SetCaption("Vnější balistika střel");
  Label4.SetCaption("Vydání:  1. 9. 2018");
  Label5.SetCaption("Pro ruční palné zbraně");
  Label6.SetCaption("Jednotky SI, úhly ve stupních");
  // One sentence a line: the memo wraps long lines itself, so none is broken by another.
  const std::string separator =
      DecimalSeparator() == ',' ? "desetinnou čárkou" : "desetinnou tečkou";
  for (const std::string& line : {
           std::string("  Jak program používat:"),
           std::string("  Na stránce Paramety zadejte střelu, počáteční rychlost, výšku mířidel "
                       "a záměrnou vzdálenost."),
           std::string("  Na stránce Atmosféra zadejte teplotu, tlak nebo nadmořskou výšku "
                       "a vítr."),
           "  Desetinná čísla pište s " + separator + ".",
           std::string("  Tlačítko Výpočet najde úhel výstřelu pro zadanou záměrnou vzdálenost, "
                       "spočte dráhu střely a připíše tabulku do okna výsledků."),
           std::string("  Krok výpisu a hodnotu kliku puškohledu zvolíte ve skupině Nastavení "
                       "vlevo od tlačítek."),
           std::string("  Graf ukazuje veličinu zvolenou na záložkách Osa Y a Osa X vpravo "
                       "nahoře; tažením myši vyberete výřez, dvojklik vrátí celý graf."),
           std::string("  Klon I a Klon II ponechají dráhu v grafu pro porovnání s dalším "
                       "výpočtem."),
           std::string("  Derivaci střely, Coriolisovu sílu a tíhové zrychlení podle "
                       "zeměpisné šířky zapnete na stránce Doplňky."),
       }) {
    Memo1.Add(line);
  }
  for (const char* line : {
           "  Historie:",
           "  1. 9. 2018 - Verze 2.6",
           "  Kompatibilita s Windows 10.",
           "  Možnost uložit  všechna vypočtená data (x,y,z a vx,vy,vz) do txt souboru.",
           "  Možnost deaktivace ICAO gradientu.",
           "  ICAO atmosféra do 20 km.",
           "  Zobrazení součinitele odporu střely za letu v grafu.",
           "  ",
           "  1. 1. 2016 - Verze 2.5",
           "  Derivace střely a výpočet její stability.",
           "  Coriolisova síla.",
           "  Tíhové zrychlení podle zeměpisné šířky.",
           "  ",
           "  6. 1. 2013 - Verze 2.4",
           "  Vertikální vítr.",
           "  Výpočet energie a hybnosti střely.",
           "  Převody jednotek.",
           "  ",
           "  1. 6. 2011 - Verze 2.3",
           "  Hodnota kliku puškohledu v MOA.",
           "  Energetické zatížení střely v grafu.",
           "  Sklon dráhy střely v grafu.",
           "  ",
           "  24. 2. 2009 - Verze 2.2",
           "  Převod mezi koeficientem tvaru a balistickým koeficientem.",
           "  Automatické načtení posledního náboje při spuštění.",
           "  ",
           "  12. 8. 2008 - Verze 2.1",
           "  Seznamy nábojů a střel.",
           "  Načítání funkcí odporu ze souborů DRG.",
           "  ",
           "  10. 4. 2008 - Verze 2.0",
           "  Záměrné osnovy puškohledů.",
           "  Korekce pro střelbu do kopce a z kopce.",
           "  ",
           "  5. 3. 2008",
           "  Opravy chyb a zrychlení výpočtu.",
           "  ",
           "  3. 1. 2008 - Verze 1.0",
           "  První verze programu.",
       }) {
    Memo2.Add(line);
  }
}

void Toprogramu::FormCreate() {
  DrawTitlePicture(Image1.Picture());
  Image1.PictureChanged();
  DrawProgramIcon(Icon.Picture());
  Icon.PictureChanged();
}
