// The vehicle creators on the in-memory backend: the parked car generator pairs of GTA3 and
// GTA VC, the GTA SA creator that writes nothing, input limits and navigation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_app.h"
#include "support/text.h"
#include "unit/entries.h"

namespace {

using testsupport::MemoryApp;
using testsupport::spaced;

// The names one game gives its vehicle windows, written out here as the tests expect them.
struct Game {
    const char* creator;
    const char* list;
    const char* x;
    const char* y;
    const char* z;
    const char* doorLock;
    const char* result;
    const char* resultBox;
    const char* picker;
    const char* creatorBackToPicker;
    const char* resultBackToCreator;
    const char* resultBackToPicker;
};

const Game kGta3 = {
    .creator = "frmgta3vehicle",
    .list = "lstvehicle",
    .x = "txtgta3vehiclex",
    .y = "txtgta3vehicley",
    .z = "txtgta3vehiclez",
    .doorLock = "txtdoorlockpercent",
    .result = "frmgta3vehiclefinished",
    .resultBox = "txtgta3vehiclefinishedcode",
    .picker = "frmgta3codepick",
    .creatorBackToPicker = "cmdbacktogta3cp",
    .resultBackToCreator = "cmdbackgta3vehicle",
    .resultBackToPicker = "cmdgta3codepickback",
};
const Game kGtaVc = {
    .creator = "frmgtavcvehicle",
    .list = "lstvehicle",
    .x = "txtx",
    .y = "txty",
    .z = "txtz",
    .doorLock = "txtdoorlock",
    .result = "frmgtavcvehiclefinished",
    .resultBox = "txtfinishedcode",
    .picker = "frmgtavccodepick",
    .creatorBackToPicker = "cmdbacktogtavccp",
    .resultBackToCreator = "cmdbackgtavcvehicle",
    .resultBackToPicker = "cmdgtavccodepickback",
};
const Game kGtaSa = {
    .creator = "frmgtasavehicle",
    .list = "lstgtasavehicle",
    .x = "txtx",
    .y = "txty",
    .z = "txtz",
    .doorLock = "txtdoorlock",
    .result = "frmgtasavehiclefinished",
    .resultBox = "txtgtasavehiclefinishedcode",
    .picker = "frmgtasacodepick",
    .creatorBackToPicker = "cmdbacktogtasacp",
    .resultBackToCreator = "cmdbackgtasavehicle",
    .resultBackToPicker = "cmdgtasacodepickback",
};

struct Values {
    std::string codeName, alarm, doorLock, x, y, z, angle;
};

// Opens the creator, picks the entry (none for -1), types the values and generates; returns
// the result box's text.
std::string generate(MemoryApp& app, const Game& game, int index, const Values& v) {
    app.forms.Show(game.creator);
    if (index >= 0) {
        app.select(game.creator, game.list, index);
    }
    app.type(game.creator, "txtcodename", v.codeName);
    app.type(game.creator, "txtalarmpercent", v.alarm);
    app.type(game.creator, game.doorLock, v.doorLock);
    app.type(game.creator, game.x, v.x);
    app.type(game.creator, game.y, v.y);
    app.type(game.creator, game.z, v.z);
    app.type(game.creator, "txtangle", v.angle);
    app.click(game.creator, "cmdgencode");
    EXPECT_TRUE(app.forms.isVisible(game.result)) << game.creator;
    EXPECT_FALSE(app.forms.isLoaded(game.creator)) << "Generate unloads " << game.creator;
    return app.text(game.result, game.resultBox);
}

std::string generate(MemoryApp& app, const Game& game, const std::string& caption,
                     const Values& v) {
    return generate(app, game, testsupport::entryIndex(app.forms, game.creator, game.list, caption),
                    v);
}

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    return text.replace(text.find(what), what.size(), with);
}

TEST(Gta3Vehicle, WritesTheCommandPairWithTheTokenOfTheChosenEntry) {
    MemoryApp app;
    EXPECT_EQ(generate(app, kGta3, "Triad Fish Van",
                       {"car1", "50", "25", "1021.5", "-950.2", "14.9", "180"}),
              spaced("014B:·$car1·=·init_parked_car_generator·#BELLYUP·-1·-1··0·alarm·50·"
                     "door_lock··25··0··10000·at··1021.5·-950.2·14.9·angle··180<CRLF>"
                     "014C:·set_parked_car_generator·$car1·cars_to_generate_to··101"));
}

TEST(Gta3Vehicle, EmptyBoxesLeaveOnlyTheFixedTexts) {
    MemoryApp app;
    EXPECT_EQ(generate(app, kGta3, "Ambulance", {}),
              spaced("014B:·$·=·init_parked_car_generator·#AMBULANCE·-1·-1··0·alarm··door_lock····"
                     "0··10000·at·····angle··<CRLF>"
                     "014C:·set_parked_car_generator·$·cars_to_generate_to··101"));
}

TEST(Gta3Vehicle, TypedValuesGoInVerbatim) {
    MemoryApp app;
    // A "$" of the user's own doubles the program's; blanks and letters are kept as typed.
    EXPECT_EQ(generate(app, kGta3, "Cartel Cruiser", {"$my car ", " 5a", "x", " 1 ", "", "z", "N"}),
              spaced("014B:·$$my·car··=·init_parked_car_generator·#COLUMB·-1·-1··0·alarm··5a·"
                     "door_lock··x··0··10000·at···1···z·angle··N<CRLF>"
                     "014C:·set_parked_car_generator·$$my·car··cars_to_generate_to··101"));
}

TEST(GtaVcVehicle, WritesTheCommandPairWithTheDoorLockBoxInItsPlace) {
    MemoryApp app;
    EXPECT_EQ(
        generate(app, kGtaVc, "FBI  Rancher", {"fbi", "0", "100", "-100", "250.5", "10", "90"}),
        spaced("014B:·$fbi·=·init_parked_car_generator·#FBICAR·-1·-1··0·alarm··0·"
               "door_lock··100··0··10000·at··-100·250.5·10·angle··90<CRLF>"
               "014C:·set_parked_car_generator·$fbi·cars_to_generate_to··101"));
}

TEST(GtaVcVehicle, EmptyBoxesLeaveOnlyTheFixedTexts) {
    MemoryApp app;
    EXPECT_EQ(generate(app, kGtaVc, "Admiral", {}),
              spaced("014B:·$·=·init_parked_car_generator·#ADMIRAL·-1·-1··0·alarm···door_lock····"
                     "0··10000·at·····angle··<CRLF>"
                     "014C:·set_parked_car_generator·$·cars_to_generate_to··101"));
}

TEST(VehicleGenerate, NothingSelectedOpensAnEmptyResultAndClosesTheCreator) {
    for (const Game* game : {&kGta3, &kGtaVc, &kGtaSa}) {
        MemoryApp app;
        EXPECT_EQ(generate(app, *game, -1, {"a", "1", "2", "3", "4", "5", "6"}), "")
            << game->creator;
    }
}

// Every entry, in list order, with its model token written out by hand: the whole pair is
// compared, so the opcodes, fixed numbers, the one CR LF between the commands and the absence
// of one at the end are checked for each entry.
TEST(Gta3Vehicle, EveryEntryWritesItsOwnToken) {
    const std::vector<std::string> tokens = {
        "#AMBULANCE", "#BANSHEE",  "#BARRACKS", "#BFINJECT", "#BLISTA",   "#BOBCAT",   "#BORGNINE",
        "#BUS",       "#CABBIE",   "#COLUMB",   "#CHEETAH",  "#COACH",    "#DIABLOS",  "#DODO",
        "#ENFORCER",  "#ESPERANT", "#FBICAR",   "#FIRETRUK", "#FLATBED",  "#HOODS",    "#IDAHO",
        "#INFERNUS",  "#KURUMA",   "#LANDSTAL", "#LINERUN",  "#MAFIA",    "#MANANA",   "#MOONBEAM",
        "#MRWHOOP",   "#MRWONGS",  "#MULE",     "#PANLANT",  "#PATRIOT",  "#PEREN",    "#POLICE",
        "#PONY",      "#RHINO",    "#RUMPO",    "#SECURICA", "#SENTINEL", "#STALLION", "#STINGER",
        "#STRETCH",   "#TAXI",     "#TOYZ",     "#TRASH",    "#BELLYUP",  "#YAKUZA",   "#YANKEE",
        "#YARDIE"};
    ASSERT_EQ(tokens.size(), 50u);
    const std::string pattern = spaced(
        "014B:·$cg·=·init_parked_car_generator·TOKEN·-1·-1··0·alarm·1·door_lock··2··0··"
        "10000·at··3·4·5·angle··6<CRLF>014C:·set_parked_car_generator·$cg·"
        "cars_to_generate_to··101");
    MemoryApp app;
    EXPECT_EQ(app.forms[kGta3.creator].layout().find("lstvehicle")->items.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        MemoryApp fresh;
        const auto& token = tokens[static_cast<std::size_t>(i)];
        EXPECT_EQ(generate(fresh, kGta3, i, {"cg", "1", "2", "3", "4", "5", "6"}),
                  replaced(pattern, "TOKEN", token))
            << "entry " << i;
    }
}

TEST(GtaVcVehicle, EveryEntryWritesItsOwnToken) {
    const std::vector<std::string> tokens = {
        "#ADMIRAL",  "#AMBULAN",  "#ANGEL",    "#BAGGAGE",  "#BANSHEE",  "#BARRACKS", "#BENSON",
        "#BFINJECT", "#BLISTAC",  "#BLOODRA",  "#BLOODRB",  "#BOBCAT",   "#BOXVILLE", "#BURRITO",
        "#BUS",      "#CABBIE",   "#CADDY",    "#CHEETAH",  "#COACH",    "#COASTG",   "#COMET",
        "#CUBAN",    "#JETMAX",   "#DELUXO",   "#DINGHY",   "#ENFORCER", "#ESPERANT", "#FAGGIO",
        "#FBICAR",   "#FBIRANCH", "#FIRETRUK", "#FLATBED",  "#FREEWAY",  "#GANGBUR",  "#GLENDALE",
        "#GREENWOO", "#HERMES",   "#HOTRING",  "#HOTRINA",  "#HOTRINB",  "#HUNTER",   "#IDAHO",
        "#INFERNUS", "#KAUFMAN",  "#LANDSTAL", "#LINERUN",  "#LOVEFIST", "#MANANA",   "#MARQUIS",
        "#MAVERICK", "#MESA",     "#MOONBEAM", "#MRWHOOP",  "#MULE",     "#OCEANIC",  "#PACKER",
        "#PATRIOT",  "#PCJ",      "#PEREN",    "#PHEONIX",  "#PIZZABOY", "#POLICE",   "#POLMAV",
        "#PONY",     "#PREDATOR", "#RANCHER",  "#REEFER",   "#REGINA",   "#RHINO",    "#RIO",
        "#ROMERO",   "#RUMPO",    "#SABRE",    "#SABRETUR", "#SANCHEZ",  "#SANDKING", "#SEASPAR",
        "#SECURICA", "#SENTINEL", "#SENTXS",   "#SKIMMER",  "#SPAND",    "#SPARROW",  "#SPEEDER",
        "#SQUALO",   "#STALLION", "#STINGER",  "#STRETCH",  "#TAXI",     "#TRASH",    "#TROPIC",
        "#VCNMAV",   "#VICECHEE", "#VIRGO",    "#VOODOO",   "#WALTON",   "#WASHING",  "#YANKEE",
        "#ZEBRA"};
    ASSERT_EQ(tokens.size(), 99u);
    const std::string pattern = spaced(
        "014B:·$cg·=·init_parked_car_generator·TOKEN·-1·-1··0·alarm··1·door_lock··2··0··"
        "10000·at··3·4·5·angle··6<CRLF>014C:·set_parked_car_generator·$cg·"
        "cars_to_generate_to··101");
    for (int i = 0; i < 99; ++i) {
        MemoryApp fresh;
        const auto& token = tokens[static_cast<std::size_t>(i)];
        EXPECT_EQ(generate(fresh, kGtaVc, i, {"cg", "1", "2", "3", "4", "5", "6"}),
                  replaced(pattern, "TOKEN", token))
            << "entry " << i;
    }
}

TEST(GtaVcVehicle, CaptionsKeepTheirBlanks) {
    MemoryApp app;
    const auto& items = app.forms[kGtaVc.creator].layout().find("lstvehicle")->items;
    ASSERT_EQ(items.size(), 99u);
    const std::vector<std::pair<int, std::string>> captions = {
        {0, "Admiral"},          {27, "Faggio·"},
        {28, "FBI··Rancher"},    {29, "FBI·Washinton·"},
        {37, "Hotring·Racer·1"}, {38, "Hotring·Racer·2·"},
        {41, "Idaho··"},         {52, "Mr.·Whoopie·"},
        {67, "Regina··"},        {69, "Rio·"},
        {78, "Sentinal··"},      {79, "Sentinal·XS··"},
        {81, "Spand·Express··"}, {91, "Under·Cover·Cheetah"},
        {98, "Zebra·Cab"},
    };
    for (const auto& [index, caption] : captions) {
        EXPECT_EQ(items[static_cast<std::size_t>(index)], spaced(caption)) << "entry " << index;
    }
    // 22 captions end in one blank and five in two.
    int oneBlank = 0;
    int twoBlanks = 0;
    for (const auto& item : items) {
        const auto kept = item.find_last_not_of(' ');
        const auto trailing = item.size() - 1 - kept;
        oneBlank += trailing == 1 ? 1 : 0;
        twoBlanks += trailing == 2 ? 1 : 0;
    }
    EXPECT_EQ(oneBlank, 22);
    EXPECT_EQ(twoBlanks, 5);
}

TEST(GtaSaVehicle, ListsTheVehiclesInTheirOrder) {
    MemoryApp app;
    const auto& items = app.forms[kGtaSa.creator].layout().find("lstgtasavehicle")->items;
    ASSERT_EQ(items.size(), 184u);
    const std::vector<std::pair<int, std::string>> captions = {
        {0, "Admiral"},      {4, "AT-400"},
        {10, "Benson"},      {11, "Berkley's RC Van"},
        {20, "Bravura"},     {22, "Brown Streak Engine"},
        {30, "Caddy"},       {40, "Combine Harvester"},
        {50, "Elegy"},       {56, "FBI Rancher"},
        {60, "Fire Truck"},  {70, "Hotdog"},
        {73, "HPV1000"},     {80, "Jester"},
        {90, "Majestic"},    {100, "Mr. Whoopee"},
        {110, "PCJ-600"},    {120, "Previon"},
        {130, "Roadtrain"},  {134, "S.W.A.T"},
        {140, "Seasparrow"}, {150, "Stafford"},
        {157, "Super GT"},   {160, "Tampa"},
        {170, "Uranus"},     {180, "Windsor"},
        {183, "ZR-350"},
    };
    for (const auto& [index, caption] : captions) {
        EXPECT_EQ(items[static_cast<std::size_t>(index)], caption) << "entry " << index;
    }
}

TEST(GtaSaVehicle, GenerateOpensAnEmptyResultWhateverIsChosen) {
    for (int index : {0, 93, 183}) {
        MemoryApp app;
        EXPECT_EQ(generate(app, kGtaSa, index, {"car", "1", "2", "3", "4", "5", "6"}), "")
            << "entry " << index;
        EXPECT_EQ(app.forms[kGtaSa.result].focusedControl(), "txtgtasavehiclefinishedcode");
        // The result box is the user's to edit until the window goes.
        app.type(kGtaSa.result, kGtaSa.resultBox, "notes");
        EXPECT_EQ(app.text(kGtaSa.result, kGtaSa.resultBox), "notes");
    }
}

TEST(VehicleCreator, BoxesRefuseTypingBeyondTheirLimits) {
    for (const Game* game : {&kGta3, &kGtaVc, &kGtaSa}) {
        MemoryApp app;
        app.forms.Show(game->creator);
        for (const char* coordinate : {game->x, game->y, game->z}) {
            EXPECT_EQ(app.type(game->creator, coordinate, "-1234.567"), 7) << coordinate;
            EXPECT_EQ(app.text(game->creator, coordinate), "-1234.5");
        }
        for (const char* shortBox : {"txtalarmpercent", game->doorLock, "txtangle"}) {
            EXPECT_EQ(app.type(game->creator, shortBox, "1000"), 3) << shortBox;
            EXPECT_EQ(app.text(game->creator, shortBox), "100");
        }
        const std::string longName(60, 'v');
        EXPECT_EQ(app.type(game->creator, "txtcodename", longName), 60);
        EXPECT_EQ(app.forms[game->creator].focusedControl(), game->list)
            << game->creator << " opens with the focus in its list";
    }
}

TEST(VehicleNavigation, BackToTheCreatorOpensItEmpty) {
    for (const Game* game : {&kGta3, &kGtaVc, &kGtaSa}) {
        MemoryApp app;
        generate(app, *game, 1, {"a", "1", "2", "3", "4", "5", "6"});
        app.click(game->result, game->resultBackToCreator);
        EXPECT_FALSE(app.forms.isLoaded(game->result)) << game->result;
        ASSERT_TRUE(app.forms.isVisible(game->creator));
        EXPECT_EQ(app.forms[game->creator].ListIndex(game->list), -1);
        for (const char* control : {"txtcodename", "txtalarmpercent", game->doorLock, game->x,
                                    game->y, game->z, "txtangle"}) {
            EXPECT_EQ(app.text(game->creator, control), "") << game->creator << " " << control;
        }
    }
}

TEST(VehicleNavigation, ResultWindowsOpenWithTheFocusOfTheirOrder) {
    MemoryApp app;
    generate(app, kGta3, 0, {});
    EXPECT_EQ(app.forms[kGta3.result].focusedControl(), "cmdexit");
    MemoryApp vc;
    generate(vc, kGtaVc, 0, {});
    EXPECT_EQ(vc.forms[kGtaVc.result].focusedControl(), "cmdexit");
}

}  // namespace
