// GTA SA's creators: the weapon and item creators with the pickup line each entry writes, and
// the vehicle creator with 184 vehicles to pick from but no script text: its Generate opens
// the result window empty and closes the creator.
#include <span>
#include <vector>

#include "creators/creator.h"
#include "creators/games.h"
#include "creators/pickups/pickup_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/vehicles/vehicle_layout.h"

namespace creators {

namespace {

const Game kGame = {
    .name = "GTA SA", .picker = "frmgtasacodepick", .backToPicker = "cmdgtasacodepickback"};

const PickupRow kWeapons[] = {
    {"9mm", Line::WeaponPickup, " = create_weapon_pickup #COLT45  15 ammo  "},
    {"AK-47", Line::WeaponPickup, " = create_weapon_pickup #AK47  15 ammo  "},
    {"Baseball Bat", Line::Pickup, " = create_pickup #BAT type  15 at "},
    {"Brass Knuckles", Line::Pickup, " = create_pickup #BRASSKNUCKLE type  15 at "},
    {"Camera", Line::WeaponPickup, " = create_weapon_pickup #CAMERA  15 ammo  "},
    {"Cane", Line::Pickup, " = create_pickup #GUN_CANE type  15 at "},
    {"Chainsaw", Line::Pickup, " = create_pickup #CHNSAW type  15 at "},
    {"Country Rifle", Line::WeaponPickup, " = create_weapon_pickup #CUNTGUN  15 ammo  "},
    {"Dildo 1", Line::Pickup, " = create_pickup #GUN_DILDO1 type  15 at "},
    {"Dildo 2", Line::Pickup, " = create_pickup #GUN_DILDO2 type  15 at "},
    {"Fire Extinguisher", Line::WeaponPickup, " = create_weapon_pickup #FIRE_EX  15 ammo  "},
    {"Flamethrower", Line::WeaponPickup, " = create_weapon_pickup #FLAME  15 ammo  "},
    {"Flowers", Line::Pickup, " = create_pickup #FLOWERA type  15 at "},
    {"Golf Club", Line::Pickup, " = create_pickup #GOLFCLUB type  15 at "},
    {"Grenade", Line::WeaponPickup, " = create_weapon_pickup #GRENADE  15 ammo  "},
    {"Heat-Seeking Rocket Launcher", Line::WeaponPickup,
     " = create_weapon_pickup #HEATSEEK  15 ammo  "},
    {"Infra Red Goggles", Line::WeaponPickup, " = create_weapon_pickup #IRGOGGLES  15 ammo  "},
    {"Katana", Line::Pickup, " = create_pickup #KATANA type  15 at "},
    {"Knife", Line::Pickup, " = create_pickup #KNIFECUR type  15 at "},
    {"M4", Line::WeaponPickup, " = create_weapon_pickup #M4  15 ammo  "},
    {"Micro Uzi", Line::WeaponPickup, " = create_weapon_pickup #MICRO_UZI  15 ammo  "},
    {"Minigun", Line::WeaponPickup, " = create_weapon_pickup #MINIGUN  15 ammo  "},
    {"Molotov Cocktail", Line::WeaponPickup, " = create_weapon_pickup #MOLOTOV  15 ammo  "},
    {"Nightstick", Line::Pickup, " = create_pickup #NITESTICK type  15 at "},
    {"Night-Vision Goggles", Line::WeaponPickup, " = create_weapon_pickup #NVGOGGLES  15 ammo  "},
    {"Parachute", Line::Pickup, " = create_pickup #GUN_PARA type  15 at "},
    {"Pool Cue", Line::Pickup, " = create_pickup #POOLCUE type  15 at "},
    {"Rocket Launcher", Line::WeaponPickup, " = create_weapon_pickup #ROCKETLA  15 ammo  "},
    {"S.P.A.S. Shotgun", Line::WeaponPickup, " = create_weapon_pickup #SHOTGSPA  15 ammo  "},
    {"Satchel Charge", Line::WeaponPickup, " = create_weapon_pickup #SATCHEL  15 ammo  "},
    {"Sawn-Off Shotgun", Line::WeaponPickup, " = create_weapon_pickup #SAWNOFF  15 ammo  "},
    {"Shotgun", Line::WeaponPickup, " = create_weapon_pickup #CHROMEGUN  15 ammo  "},
    {"Shovel", Line::Pickup, " = create_pickup #SHOVEL type  15 at "},
    {"Silenced Pistol", Line::WeaponPickup, " = create_weapon_pickup #SILENCED  15 ammo  "},
    {"SMG", Line::WeaponPickup, " = create_weapon_pickup #MP5LNG  15 ammo  "},
    {"Sniper Rifle", Line::WeaponPickup, " = create_weapon_pickup #SNIPER  15 ammo  "},
    {"Spray Can", Line::WeaponPickup, " = create_weapon_pickup #SPRAYCAN  15 ammo  "},
    {"Tear gas", Line::WeaponPickup, " = create_weapon_pickup #TEARGAS  15 ammo  "},
    {"Tec-9", Line::WeaponPickup, " = create_weapon_pickup #TEC9  15 ammo  "},
    {"Vibrator 1", Line::Pickup, " = create_pickup #GUN_VIBE1 type  15 at "},
    {"Vibrator 2", Line::Pickup, " = create_pickup #GUN_VIBE2 type  15 at "},
};

// Two blanks after "at" here, where the weapons' plain pickups have one.
const PickupRow kItems[] = {
    {"Adrenaline", Line::Pickup, " = create_pickup #ADRENALINE type  15 at  "},
    {"Body Armour", Line::Pickup, " = create_pickup #BODYARMOUR type  15 at  "},
    {"Bribe", Line::Pickup, " = create_pickup #BRIBE type  15 at  "},
    {"Health", Line::Pickup, " = create_pickup #HEALTH type  15 at  "},
    // A weapon pickup, but the item creator has no ammo box: its amount is the fixed "0".
    {"Jetpack", Line::WeaponPickupFixedAmmo, " = create_weapon_pickup #JETPACK  15 ammo 0 at  "},
};

const CreatorDesc kWeaponCreator = {
    .window = "frmgtasaweapon",
    .caption = "Quarnix| GTA SA Weapon Spawn Point Creator",
    .width = 6465,
    .height = 3540,
    .list = "lstgtasaweapon",
    .bottomRow = {.backToPicker = "cmdbacktogtasacodepick",
                  .pickerCaption = "Back To GTA SA Code Pick",
                  .height = 465},
    .labels = LabelOrder::AfterEachBox,
    .listWidth = 2760,  // "Heat-Seeking Rocket Launcher" beside a scroll bar
    .rowGap = 240,
    .generateHeight = 405,
};

const CreatorDesc kItemCreator = {
    .window = "frmgtasaitem",
    .caption = "Quarnix | GTA SA Item Spawn Point Creator",
    .width = 5715,
    .height = 3030,
    .list = "lstgtasaitem",
    .bottomRow = {.backToPicker = "cmdbacktogtasacp",
                  .pickerCaption = "Back To GTA SA Code Pick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 2265,
    .listHeight = 1110,  // the list shows its five entries without scrolling
    .rowGap = 195,
    .generateHeight = 405,
};

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

const CreatorDesc kVehicleCreator = {
    .window = "frmgtasavehicle",
    .caption = "Quarnix | GTA SA Vehicle Spawn Point Creator",
    .width = 6555,
    .height = 4485,
    .list = "lstgtasavehicle",
    .bottomRow = vehicleBottomRow("cmdbacktogtasacp", "Back To GTA SA Code Pick"),
    .alarmLabel = "lblalarmpercent",
    .doorLockLabel = "lbldoorlock",
};

std::vector<Entry> captionsOnly(std::span<const char* const> captions) {
    std::vector<Entry> entries;
    for (const char* caption : captions) {
        entries.push_back({caption, {}});
    }
    return entries;
}

}  // namespace

void defineGtaSa(forms::Forms& forms) {
    defineGroup(forms, {.game = kGame,
                        .creator = kWeaponCreator,
                        .design = weaponCreator,
                        .entries = pickupEntries(kWeapons, kWeaponCreator.boxes),
                        .result = {.name = "frmgtasaweaponfinished",
                                   .kind = "Weapon",
                                   .width = 5895,
                                   .height = 2070,
                                   .box = "txtfinishedcode",
                                   .backToCreator = "cmdbackgtasaweapon",
                                   .focus = ResultFocus::BoxFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kItemCreator,
                        .design = itemCreator,
                        .entries = pickupEntries(kItems, kItemCreator.boxes),
                        .result = {.name = "frmgtasaitemfinished",
                                   .kind = "Item",
                                   .width = 5550,
                                   .height = 2085,
                                   .box = "txtgtasaitemfinishedcode",
                                   .backToCreator = "cmdbackgtasaitem",
                                   .focus = ResultFocus::ExitFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kVehicleCreator,
                        .design = vehicleCreator,
                        .entries = captionsOnly(kVehicles),
                        .result = {.name = "frmgtasavehiclefinished",
                                   .kind = "Vehicle",
                                   .width = 5715,
                                   .height = 2115,
                                   .box = "txtgtasavehiclefinishedcode",
                                   .backToCreator = "cmdbackgtasavehicle",
                                   .focus = ResultFocus::BoxFirst},
                        .buildsText = false});
}

}  // namespace creators
