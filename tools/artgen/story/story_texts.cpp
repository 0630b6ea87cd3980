#include "story_texts.h"

namespace art::story {

const char* langFolder(Lang lang) {
  return lang == Lang::Cz ? "cz" : "ang";
}

const char* storyFolder(GameType type) {
  switch (type) {
    case GameType::FreeRide:
      return "vol";
    case GameType::Race:
      return "zav";
    case GameType::Championship:
      return "champ";
    case GameType::KolderRun:
      return "kold";
    case GameType::Training:
      return "okr";
  }
  return "";
}

namespace {

// The town, its rival and its delivery firm are the same in every story.
const StoryText kCz[] = {
    {"Volná jízda",
     "Jen ty, auto a cesta",
     {"Nad Drovantou zapadá slunce. Silnice mezi vesnicemi jsou prázdné a nikdo tě nehoní.",
      "Stáhni okýnko, projeď se kolem polí, přes most a zase zpátky. Žádný soupeř, žádné "
      "stopky."},
     "Pravidla",
     {"Trasa Vesnice, po první výhře v závodě i Město.",
      "Jezdíš sám: bez soupeře, bez kol a bez času.", "Ideální chvíle naučit se každou zatáčku.",
      "Esc – pauza, tlačítko Menu – zpět do nabídky."},
     "Šťastnou cestu!"},
    {"Závody",
     "Tři kola, jeden vítěz",
     {"V Drovantě každý ví, kdo je nejrychlejší: Max Hrom. Každou sobotu čeká na startu a ještě "
      "nikdy neprohrál.",
      "Dnes se postavíš vedle něj. Ukaž mu, že silnice už mu nepatří."},
     "Pravidla",
     {"Tři kola proti Maxovi na trase Vesnice nebo Město.",
      "Vynecháš-li kontrolní bod, kolo neplatí: „Kolo neuznáno“.",
      "Vyhraješ, když dokončíš třetí kolo dřív než Max. Remíza patří jemu.",
      "Výhra ve Vesnici odemkne Porsche a trasu Město.",
      "Výhra ve Městě odemkne Ferari a Championat."},
     "Na start!"},
    {"Championat",
     "Dva závody o pohár",
     {"Stříbrný pohár Drovanty stojí už pět let ve vitríně Maxe Hroma. Letos si pro něj "
      "přijdeš ty.",
      "Šampionát má dva závody: nejdřív Vesnice, potom Město. Kdo vyhraje oba, odnese si pohár "
      "domů."},
     "Pravidla",
     {"Oba závody mají tři kola a jedeš je proti Maxovi.",
      "Vyhraj ve Vesnici a tlačítkem ▶▶ pokračuj do Města.",
      "Po prohře závod hned zopakuješ tlačítkem ↺.",
      "Vítězství ve Městě z tebe udělá šampiona a odemkne Kolder Run i náklaďák."},
     "Pohár čeká!"},
    {"Kolder Run",
     "Dvě minuty, co nejvíc zásilek",
     {"Přepravní firma Kolder rozváží balíky po celé Drovantě a hledá nového řidiče.",
      "Zkouška je jednoduchá: dvě minuty, jedno město a co nejvíc zásilek. Balík svítí na ulici "
      "– zastav na něm a naložíš ho."},
     "Pravidla",
     {"Trasa Město, bez soupeře, časový limit 2 minuty.",
      "Zastav přímo na svítícím balíku. Za jízdy ho nenaložíš.",
      "Pak se rozsvítí další, jinde ve městě.",
      "Každé auto jezdí v barvách Kolderu, ale řídí se jako to tvoje. Náklaďák si vybereš jen "
      "tady.",
      "Po konci času začneš znovu tlačítkem ↺ Kolder."},
     "Kolder ti drží palce!"},
    {"Výuka",
     "Cvičiště za městem",
     {"Než vyrazíš proti Maxovi, zajeď si na cvičiště za městem: prázdné parkoviště, okruh mezi "
      "kužely a klid.",
      "Tady zjistíš, jak auto zatáčí, brzdí a couvá. Nikdo se nedívá a chyby se nepočítají."},
     "Pravidla",
     {"Trasy Parkoviště a Okruh jsou vždy odemčené.", "Jezdíš sám, bez kol a bez času.",
      "Šipky: ↑ plyn, ↓ brzda a couvání, ← → zatáčení.",
      "+ a − na numerické klávesnici zpomalí a zrychlí hru.",
      "Esc – pauza, tlačítko Menu – zpět do nabídky."},
     "Hodně štěstí!"},
};

const StoryText kAng[] = {
    {"Free Ride",
     "Just you, your car and the road",
     {"The sun is setting over Drovanta. The roads between the villages are empty and nobody "
      "is chasing you.",
      "Wind the window down, cruise past the fields, over the bridge and back again. No rival, "
      "no stopwatch."},
     "Rules",
     {"Village track; the City opens after your first race win.",
      "You drive alone: no rival, no laps, no clock.", "The perfect time to learn every bend.",
      "Esc pauses; the Menu button takes you back."},
     "Enjoy the ride!"},
    {"Race",
     "Three laps, one winner",
     {"Everyone in Drovanta knows who is fastest: Max Hrom. Every Saturday he waits on the start "
      "line, and he has never lost.",
      "Today you line up beside him. Show him the road is no longer his."},
     "Rules",
     {"Three laps against Max on the Village or City track.",
      "Skip a checkpoint and the lap is refused: “Kolo neuznáno”.",
      "Finish your third lap before Max does. A tie goes to him.",
      "Winning in the Village unlocks the Porsche and the City track.",
      "Winning in the City unlocks the Ferari and the Championship."},
     "To the start line!"},
    {"Championship",
     "Two races for the cup",
     {"For five years the silver Drovanta Cup has stood in Max Hrom's cabinet. This year you "
      "are coming for it.",
      "The championship has two races: the Village first, then the City. Win both and the cup "
      "is yours."},
     "Rules",
     {"Both races are three laps against Max.",
      "Win in the Village, then press ▶▶ to go on to the City.",
      "Lost? Press ↺ to run the race again.",
      "Winning in the City makes you the champion and unlocks the Kolder Run and the truck."},
     "The cup is waiting!"},
    {"Kolder Run",
     "Beat the clock",
     {"The Kolder delivery firm carries parcels all over Drovanta and needs a new driver.",
      "The test: two minutes, one city, as many parcels as you can. A parcel glows in "
      "the street – stop on it to load it."},
     "Rules",
     {"City track, no rival, a two-minute limit.",
      "Stop right on the glowing parcel; you cannot grab it on the move.",
      "Then the next one lights up elsewhere.",
      "Every car wears Kolder's colours but handles as usual. Only here can you pick the "
      "truck.",
      "When time is up, press ↺ Kolder to try again."},
     "Happy delivering!"},
    {"Training",
     "The practice ground outside town",
     {"Before you take on Max, practise outside town: an empty car park, a circuit of cones, "
      "peace and quiet.",
      "Here you learn how your car turns, brakes and reverses. Nobody is watching and mistakes "
      "don't count."},
     "Rules",
     {"The Parking and Circuit tracks are always open.",
      "You drive alone, with no laps and no clock.",
      "Arrows: ↑ throttle, ↓ brake and reverse, ← → steering.",
      "Numpad + slows the game down, − speeds it up.",
      "Esc pauses; the Menu button takes you back."},
     "Good luck!"},
};

}  // namespace

const StoryText& storyText(GameType type, Lang lang) {
  const int i = int(type);
  return lang == Lang::Cz ? kCz[i] : kAng[i];
}

}  // namespace art::story
