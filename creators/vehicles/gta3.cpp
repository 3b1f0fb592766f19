// The GTA3 vehicle creator: 50 vehicles, each writing a parked car generator command pair.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
#include "creators/vehicles/vehicle_layout.h"
#include "creators/vehicles/vehicles.h"
#include "forms/runtime.h"

namespace creators::vehicles {

namespace {

struct Row {
    const char* caption;  // display text only; the position in the table picks the token
    const char* token;
};

// Captions and model names do not always match ("Cartel Cruiser" is #COLUMB): the token is
// never derived from the caption.
const Row kVehicles[] = {
    {"Ambulance", "#AMBULANCE"},
    {"Banshee", "#BANSHEE"},
    {"Barracks OL", "#BARRACKS"},
    {"BF Injection", "#BFINJECT"},
    {"Blista", "#BLISTA"},
    {"Bobcat", "#BOBCAT"},
    {"Borgnine", "#BORGNINE"},
    {"Bus", "#BUS"},
    {"Cabbie", "#CABBIE"},
    {"Cartel Cruiser", "#COLUMB"},
    {"Cheetah", "#CHEETAH"},
    {"Coach", "#COACH"},
    {"Diablos Stallion", "#DIABLOS"},
    {"Dodo", "#DODO"},
    {"Enforcer", "#ENFORCER"},
    {"Esperanto", "#ESPERANT"},
    {"FBI Car", "#FBICAR"},
    {"Firetruck", "#FIRETRUK"},
    {"Flatbed", "#FLATBED"},
    {"Hoods Rumpo XL", "#HOODS"},
    {"Idaho", "#IDAHO"},
    {"Infernus", "#INFERNUS"},
    {"Kuruma", "#KURUMA"},
    {"Landstalker", "#LANDSTAL"},
    {"Linerunner", "#LINERUN"},
    {"Mafia Sentinel", "#MAFIA"},
    {"Manana", "#MANANA"},
    {"Moonbeam", "#MOONBEAM"},
    {"Mr Whoopie", "#MRWHOOP"},
    {"Mr Wongs", "#MRWONGS"},
    {"Mule", "#MULE"},
    {"Panlantic", "#PANLANT"},
    {"Patriot", "#PATRIOT"},
    {"Perennial", "#PEREN"},
    {"Police", "#POLICE"},
    {"Pony", "#PONY"},
    {"Rhino", "#RHINO"},
    {"Rumpo", "#RUMPO"},
    {"Securicar", "#SECURICA"},
    {"Sentinel", "#SENTINEL"},
    {"Stallion", "#STALLION"},
    {"Stinger", "#STINGER"},
    {"Stretch", "#STRETCH"},
    {"Taxi", "#TAXI"},
    {"TOYZ", "#TOYZ"},
    {"Trashmaster", "#TRASH"},
    {"Triad Fish Van", "#BELLYUP"},
    {"Yakuza Stinger", "#YAKUZA"},
    {"Yankee", "#YANKEE"},
    {"Yardie Lobo", "#YARDIE"},
};

const CreatorDesc kCreator = {
    .window = "frmgta3vehicle",
    .caption = "Quarnix | GTA3 Vehicle Spawn Point Creator",
    .width = 6135,
    .height = 4500,
    .list = "lstvehicle",
    .x = "txtgta3vehiclex",
    .y = "txtgta3vehicley",
    .z = "txtgta3vehiclez",
    .alarmLabel = "lblcaralarmpercent",
    .doorLock = "txtdoorlockpercent",
    .doorLockLabel = "lbldoorlockpercent",
    .backToPicker = "cmdbacktogta3cp",
    .backToPickerCaption = "Back To GTA3 Code Pick",
};

}  // namespace

void defineGta3(forms::Forms& forms) {
    std::vector<Entry> entries;
    for (const Row& row : kVehicles) {
        // GTA3 puts one blank after "alarm", GTA VC two.
        const std::string text =
            std::string(" = init_parked_car_generator ") + row.token + " -1 -1  0 alarm ";
        entries.push_back({row.caption, parkedCarGenerator(kCreator, text)});
    }
    defineGroup(forms,
                vehicleGroup(kCreator, "frmgta3codepick", std::move(entries),
                             {
                                 .name = "frmgta3vehiclefinished",
                                 .caption = "Quarnix | GTA3 Vehicle Spawn Point Code",
                                 .width = 5595,
                                 .height = 2100,
                                 .box = "txtgta3vehiclefinishedcode",
                                 .backToCreator = "cmdbackgta3vehicle",
                                 .creatorCaption = "Back To GTA3 Vehicle Spawn Point Creator",
                                 .backToPicker = "cmdgta3codepickback",
                                 .pickerCaption = "Back To GTA3 Code Pick",
                                 .focus = ResultFocus::ExitFirst,
                             }));
}

}  // namespace creators::vehicles
