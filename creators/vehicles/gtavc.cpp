// The GTA VC vehicle creator: 99 vehicles, each writing a parked car generator command pair.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
#include "creators/vehicles/vehicle_layout.h"
#include "creators/vehicles/vehicles.h"
#include "forms/runtime.h"

namespace creators::vehicles {

namespace {

// The captions are shown exactly as stored, trailing and inner blanks included; they never
// reach the output. Several do not match their model ("FBI  Rancher" is #FBICAR, "Under
// Cover Cheetah" #VCNMAV), so the token is never derived from the caption.
const Vehicle kVehicles[] = {
    {"Admiral", "#ADMIRAL"},
    {"Ambulance", "#AMBULAN"},
    {"Angel", "#ANGEL"},
    {"Baggage Handler", "#BAGGAGE"},
    {"Banshee", "#BANSHEE"},
    {"Barracks", "#BARRACKS"},
    {"Benson", "#BENSON"},
    {"BF Injection", "#BFINJECT"},
    {"Blista Compact", "#BLISTAC"},
    {"Bloodring Banger", "#BLOODRA"},
    {"Bloodring Racer", "#BLOODRB"},
    {"Bobcat", "#BOBCAT"},
    {"Boxville", "#BOXVILLE"},
    {"Burrito", "#BURRITO"},
    {"Bus", "#BUS"},
    {"Cabbie", "#CABBIE"},
    {"Caddy", "#CADDY"},
    {"Cheetah", "#CHEETAH"},
    {"Coach", "#COACH"},
    {"Coast Guard", "#COASTG"},
    {"Comet", "#COMET"},
    {"Cuban Hermes", "#CUBAN"},
    {"Cuban Jetmax", "#JETMAX"},
    {"Deluxo", "#DELUXO"},
    {"Dingy", "#DINGHY"},
    {"Enforcer", "#ENFORCER"},
    {"Esperanto", "#ESPERANT"},
    {"Faggio ", "#FAGGIO"},
    {"FBI  Rancher", "#FBICAR"},
    {"FBI Washinton ", "#FBIRANCH"},
    {"Firetruck ", "#FIRETRUK"},
    {"Flatbed", "#FLATBED"},
    {"Freeway ", "#FREEWAY"},
    {"Gang Burrito ", "#GANGBUR"},
    {"Glendale", "#GLENDALE"},
    {"Greenwood", "#GREENWOO"},
    {"Hermes", "#HERMES"},
    {"Hotring Racer 1", "#HOTRING"},
    {"Hotring Racer 2 ", "#HOTRINA"},
    {"Hotring Racer 3 ", "#HOTRINB"},
    {"Hunter", "#HUNTER"},
    {"Idaho  ", "#IDAHO"},
    {"Infernus", "#INFERNUS"},
    {"Kaufman Cab", "#KAUFMAN"},
    {"Landstalker", "#LANDSTAL"},
    {"Line Runner", "#LINERUN"},
    {"Love Fist Limo", "#LOVEFIST"},
    {"Manana", "#MANANA"},
    {"Marquis", "#MARQUIS"},
    {"Maverick", "#MAVERICK"},
    {"Mesa Grande", "#MESA"},
    {"Moonbeam ", "#MOONBEAM"},
    {"Mr. Whoopie ", "#MRWHOOP"},
    {"Mule", "#MULE"},
    {"Oceanic ", "#OCEANIC"},
    {"Packer", "#PACKER"},
    {"Patriot", "#PATRIOT"},
    {"PCJ 600 ", "#PCJ"},
    {"Perennial ", "#PEREN"},
    {"Pheonix", "#PHEONIX"},
    {"Pizza Boy", "#PIZZABOY"},
    {"Police Car", "#POLICE"},
    {"Police Maverick", "#POLMAV"},
    {"Pony", "#PONY"},
    {"Predator", "#PREDATOR"},
    {"Rancher", "#RANCHER"},
    {"Reefer", "#REEFER"},
    {"Regina  ", "#REGINA"},
    {"Rhino", "#RHINO"},
    {"Rio ", "#RIO"},
    {"Romero's Hearse", "#ROMERO"},
    {"Rumpo", "#RUMPO"},
    {"Sabre", "#SABRE"},
    {"Sabre Turbo", "#SABRETUR"},
    {"Sanchez", "#SANCHEZ"},
    {"Sandking ", "#SANDKING"},
    {"Sea Sparrow", "#SEASPAR"},
    {"Securicar ", "#SECURICA"},
    {"Sentinal  ", "#SENTINEL"},
    {"Sentinal XS  ", "#SENTXS"},
    {"Skimmer", "#SKIMMER"},
    {"Spand Express  ", "#SPAND"},
    {"Sparrow", "#SPARROW"},
    {"Speeder ", "#SPEEDER"},
    {"Squallo ", "#SQUALO"},
    {"Stallion ", "#STALLION"},
    {"Stinger", "#STINGER"},
    {"Stretch ", "#STRETCH"},
    {"Taxi ", "#TAXI"},
    {"Trashmaster ", "#TRASH"},
    {"Tropic ", "#TROPIC"},
    {"Under Cover Cheetah", "#VCNMAV"},
    {"VCN Maverick", "#VICECHEE"},
    {"Virgo", "#VIRGO"},
    {"Voodoo", "#VOODOO"},
    {"Walton", "#WALTON"},
    {"Washington", "#WASHING"},
    {"Yankee", "#YANKEE"},
    {"Zebra Cab", "#ZEBRA"},
};

const CreatorDesc kCreator = {
    .window = "frmgtavcvehicle",
    .caption = "Quarnix | GTA VC Vehicle Spawn Point Creator",
    .width = 6105,
    .height = 4215,
    .list = "lstvehicle",
    .x = "txtx",
    .y = "txty",
    .z = "txtz",
    .alarmLabel = "lblalarm",
    // The door-lock box is read like GTA3's: a box the user fills and the command ignores
    // would silently drop the value.
    .doorLock = "txtdoorlock",
    .doorLockLabel = "lbldoorlock",
    .backToPicker = "cmdbacktogtavccp",
    .backToPickerCaption = "Back To GTA VC Code Pick",
};

}  // namespace

void defineGtaVc(forms::Forms& forms) {
    // Two blanks after "alarm", where GTA3 has one.
    std::vector<Entry> entries = parkedCarEntries(kCreator, kVehicles, "  ");
    defineGroup(forms, vehicleGroup(kCreator, "frmgtavccodepick", std::move(entries),
                                    {
                                        .name = "frmgtavcvehiclefinished",
                                        .game = "GTA VC",
                                        .kind = "Vehicle",
                                        .width = 5715,
                                        .height = 2070,
                                        .box = "txtfinishedcode",
                                        .backToCreator = "cmdbackgtavcvehicle",
                                        .backToPicker = "cmdgtavccodepickback",
                                        .focus = ResultFocus::ExitFirst,
                                    }));
}

}  // namespace creators::vehicles
