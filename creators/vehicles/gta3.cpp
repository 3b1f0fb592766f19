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

// Captions and model names do not always match ("Cartel Cruiser" is #COLUMB): the token is
// never derived from the caption.
const Vehicle kVehicles[] = {
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
    // GTA3 puts one blank after "alarm", GTA VC two.
    std::vector<Entry> entries = parkedCarEntries(kCreator, kVehicles, " ");
    defineGroup(forms, vehicleGroup(kCreator, "frmgta3codepick", std::move(entries),
                                    {
                                        .name = "frmgta3vehiclefinished",
                                        .game = "GTA3",
                                        .kind = "Vehicle",
                                        .width = 5595,
                                        .height = 2100,
                                        .box = "txtgta3vehiclefinishedcode",
                                        .backToCreator = "cmdbackgta3vehicle",
                                        .backToPicker = "cmdgta3codepickback",
                                        .focus = ResultFocus::ExitFirst,
                                    }));
}

}  // namespace creators::vehicles
