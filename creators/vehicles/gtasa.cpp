// The GTA SA vehicle creator: 184 vehicles to pick from, but no script text. Its Generate
// opens the result window empty and closes the creator.
#include <string>
#include <utility>
#include <vector>

#include "creators/creator.h"
#include "creators/vehicles/vehicle_layout.h"
#include "creators/vehicles/vehicles.h"
#include "forms/runtime.h"

namespace creators::vehicles {

namespace {

// Captions only: no model name or line belongs to any GTA SA entry.
const char* const kVehicles[] = {
    // 0 to 9
    "Admiral",
    "Alpha",
    "Ambulance",
    "Andromeda",
    "AT-400",
    "Baggage",
    "Bandito",
    "Banshee",
    "Barracks",
    "Beagle",
    // 10 to 19
    "Benson",
    "Berkley's RC Van",
    "BF Injection",
    "BF-400",
    "Blade",
    "Blista Compact",
    "Bloodring Banger",
    "BMX",
    "Bobcat",
    "Boxville",
    // 20 to 29
    "Bravura",
    "Broadway",
    "Brown Streak Engine",
    "Buccaneer",
    "Buffalo",
    "Bullet",
    "Burglary Boxville",
    "Burrito",
    "Bus",
    "Cabbie",
    // 30 to 39
    "Caddy",
    "Cadrona",
    "Camper",
    "Cargobob",
    "Cement Truck",
    "Cheetah",
    "Clover",
    "Club",
    "Coach",
    "Coastguard",
    // 40 to 49
    "Combine Harvester",
    "Comet",
    "Cropduster",
    "DFT-30",
    "Dingy",
    "Dodo",
    "Dozer",
    "Dumper",
    "Dune",
    "Elegant",
    // 50 to 59
    "Elegy",
    "Emperor",
    "Enforcer",
    "Esperanto",
    "Euros",
    "Faggio",
    "FBI Rancher",
    "FBI Truck",
    "FCR-900",
    "Feltzer",
    // 60 to 69
    "Fire Truck",
    "Flash",
    "Flatbed",
    "Forklift",
    "Fortune",
    "Freeway",
    "Freight",
    "Glendale",
    "Greenwood",
    "Hermes",
    // 70 to 79
    "Hotdog",
    "Hotknife",
    "Hotring Racer",
    "HPV1000",
    "Hunter",
    "Huntley",
    "Hustler",
    "Hydra",
    "Infernus",
    "Intruder",
    // 80 to 89
    "Jester",
    "Jetmax",
    "Jetpack",
    "Journey",
    "Kart",
    "Landstalker",
    "Launch",
    "Leviathan",
    "Linerunner",
    "Lowrider",
    // 90 to 99
    "Majestic",
    "Manana",
    "Marquis",
    "Maverick",
    "Merit",
    "Mesa",
    "Monster",
    "Moonbeam",
    "Mountain Bike",
    "Mower",
    // 100 to 109
    "Mr. Whoopee",
    "Mule",
    "Nebula",
    "Nevada",
    "News Chopper",
    "Newsvan",
    "NRG-500",
    "Oceanic",
    "Packer",
    "Patriot",
    // 110 to 119
    "PCJ-600",
    "Perennial",
    "Phoenix",
    "Picador",
    "Pizzaboy",
    "Police",
    "Police Maverick",
    "Pony",
    "Predator",
    "Premier",
    // 120 to 129
    "Previon",
    "Primo",
    "Quad",
    "Raindance",
    "Rancher",
    "Ranger",
    "Reefer",
    "Regina",
    "Remington",
    "Rhino",
    // 130 to 139
    "Roadtrain",
    "Romero",
    "Rumpo",
    "Rustler",
    "S.W.A.T",
    "Sabre",
    "Sadler",
    "Sanchez",
    "Sandking",
    "Savannah",
    // 140 to 149
    "Seasparrow",
    "Securicar",
    "Sentinel",
    "Shamal",
    "Skimmer",
    "Slamvan",
    "Solair",
    "Sparrow",
    "Speeder",
    "Squallo",
    // 150 to 159
    "Stafford",
    "Stallion",
    "Stratum",
    "Stretch",
    "Stuntplane",
    "Sultan",
    "Sunrise",
    "Super GT",
    "Sweeper",
    "Tahoma",
    // 160 to 169
    "Tampa",
    "Tanker",
    "Taxi",
    "Tornado",
    "Towtruck",
    "Tractor",
    "Trashmaster",
    "Tropic",
    "Tug",
    "Turismo",
    // 170 to 179
    "Uranus",
    "Utility Van",
    "Vincent",
    "Virgo",
    "Voodoo",
    "Vortex",
    "Walton",
    "Washington",
    "Wayfarer",
    "Willard",
    // 180 to 183
    "Windsor",
    "Yankee",
    "Yosemite",
    "ZR-350",
};

const CreatorDesc kCreator = {
    .window = "frmgtasavehicle",
    .caption = "Quarnix | GTA SA Vehicle Spawn Point Creator",
    .width = 6555,
    .height = 4485,
    .list = "lstgtasavehicle",
    .x = "txtx",
    .y = "txty",
    .z = "txtz",
    .alarmLabel = "lblalarmpercent",
    .doorLock = "txtdoorlock",
    .doorLockLabel = "lbldoorlock",
    .backToPicker = "cmdbacktogtasacp",
    .backToPickerCaption = "Back To GTA SA Code Pick",
};

}  // namespace

void defineGtaSa(forms::Forms& forms) {
    std::vector<Entry> entries;
    for (const char* caption : kVehicles) {
        entries.push_back({caption, {}});
    }
    Group group = vehicleGroup(kCreator, "frmgtasacodepick", std::move(entries),
                               {
                                   .name = "frmgtasavehiclefinished",
                                   .game = "GTA SA",
                                   .kind = "Vehicle",
                                   .width = 5715,
                                   .height = 2115,
                                   .box = "txtgtasavehiclefinishedcode",
                                   .backToCreator = "cmdbackgtasavehicle",
                                   .backToPicker = "cmdgtasacodepickback",
                                   .focus = ResultFocus::BoxFirst,
                               });
    group.buildsText = false;
    defineGroup(forms, std::move(group));
}

}  // namespace creators::vehicles
