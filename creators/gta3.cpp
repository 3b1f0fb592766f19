// GTA3's creators: the weapon and item creators with the pickup line each entry writes, and the
// vehicle creator whose 50 vehicles each write a parked car generator command pair.
#include "creators/creator.h"
#include "creators/games.h"
#include "creators/pickups/pickup_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/vehicles/vehicle_layout.h"

namespace creators {

namespace {

const Game kGame = {
    .name = "GTA3", .picker = "frmgta3codepick", .backToPicker = "cmdgta3codepickback"};

// The bat makes a plain pickup line and never reads the ammo box; the others make a weapon
// pickup line with the typed amount of ammunition.
const PickupRow kWeapons[] = {
    {"Baseball Bat", Line::Pickup, " = create_pickup #BAT type  2 at  "},
    {"Handgun", Line::WeaponPickup, " = create_weapon_pickup #COLT45  14 ammo  "},
    {"Uzi", Line::WeaponPickup, " = create_weapon_pickup #UZI  14 ammo  "},
    {"Shotgun", Line::WeaponPickup, " = create_weapon_pickup #SHOTGUN  14 ammo  "},
    {"AK-47", Line::WeaponPickup, " = create_weapon_pickup #AK47  14 ammo  "},
    {"M-16", Line::WeaponPickup, " = create_weapon_pickup #M16  14 ammo  "},
    {"Rocket Launcher", Line::WeaponPickup, " = create_weapon_pickup #ROCKET  14 ammo  "},
    {"Flamethrower", Line::WeaponPickup, " = create_weapon_pickup #FLAME  14 ammo  "},
    {"Molotov Cocktails", Line::WeaponPickup, " = create_weapon_pickup #MOLOTOV  14 ammo  "},
    {"Grenades", Line::WeaponPickup, " = create_weapon_pickup #GRENADE  14 ammo  "},
    {"Sniper Rifle", Line::WeaponPickup, " = create_weapon_pickup #SNIPER  14 ammo  "},
};

const PickupRow kItems[] = {
    {"Adrenaline", Line::Pickup, " = create_pickup -29 (ADRENALINE) type  14 at  "},
    {"Body Armour", Line::Pickup, " = create_pickup -24 (BODYARMOUR) type  14 at  "},
    {"Bribe", Line::Pickup, " = create_pickup -30 (BRIBE) type  14 at  "},
    {"Health", Line::Pickup, " = create_pickup -28 (HEALTH) type  14 at  "},
};

const CreatorDesc kWeaponCreator = {
    .window = "frmgta3weapon",
    .caption = "Quarnix | GTA3 Weapon Spawn Point Creator",
    .width = 5865,
    .height = 3570,
    .list = "lstgta3weapon",
    .frame = "framegta3coord",
    .boxes = {.codeName = "txtgta3weaponname",
              .ammo = "txtgta3weaponammo",
              .x = "txtgta3weaponx",
              .y = "txtgta3weapony",
              .z = "txtgta3weaponz"},
    .generate = "cmdgta3weapongeneratecode",
    .bottomRow = {.backToPicker = "cmdbackgta3cp",
                  .pickerCaption = "Back To GTA3 Code Pick",
                  .backToMain = "cmdbackgtapick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 1800,
    .rowGap = 240,
    .generateHeight = 405,
};

const CreatorDesc kItemCreator = {
    .window = "frmgta3item",
    .caption = "Quarnix | GTA3 Item Spawn Point Creator",
    .width = 5535,
    .height = 3015,
    .list = "lstitem",
    .frame = "framegta3itemcoord",
    .boxes = {.codeName = "txtgta3itemcodename",
              .x = "txtgta3itemcoordx",
              .y = "txtgta3itemcoordy",
              .z = "txtgta3itemcoordz"},
    .generate = "cmdgta3itemgencode",
    .bottomRow = {.backToPicker = "cmdbacktogta3codepick",
                  .pickerCaption = "Back To GTA3 Code Pick",
                  .height = 465},
    .labels = LabelOrder::BeforeEachBox,
    .listWidth = 2235,
    .listHeight = 1050,  // the list shows its four entries without scrolling
    .rowGap = 165,
    .generateHeight = 405,
};

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

const CreatorDesc kVehicleCreator = {
    .window = "frmgta3vehicle",
    .caption = "Quarnix | GTA3 Vehicle Spawn Point Creator",
    .width = 6135,
    .height = 4500,
    .list = "lstvehicle",
    .boxes = {.doorLock = "txtdoorlockpercent",
              .x = "txtgta3vehiclex",
              .y = "txtgta3vehicley",
              .z = "txtgta3vehiclez"},
    .bottomRow = vehicleBottomRow("cmdbacktogta3cp", "Back To GTA3 Code Pick"),
    .alarmLabel = "lblcaralarmpercent",
    .doorLockLabel = "lbldoorlockpercent",
};

}  // namespace

void defineGta3(forms::Forms& forms) {
    defineGroup(forms, {.game = kGame,
                        .creator = kWeaponCreator,
                        .design = weaponCreator,
                        .entries = pickupEntries(kWeapons, kWeaponCreator.boxes),
                        .result = {.name = "frmgta3weaponcode",
                                   .kind = "Weapon",
                                   .width = 5595,
                                   .height = 2100,
                                   .box = "txtgta3weaponfinishedcode",
                                   .backToCreator = "cmdbackgta3weapon",
                                   .focus = ResultFocus::BoxFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kItemCreator,
                        .design = itemCreator,
                        .entries = pickupEntries(kItems, kItemCreator.boxes),
                        .result = {.name = "frmgta3itemfinished",
                                   .kind = "Item",
                                   .width = 5595,
                                   .height = 2115,
                                   .box = "txtgta3itemfinishedcode",
                                   .backToCreator = "cmdbackgta3item",
                                   .focus = ResultFocus::ExitFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kVehicleCreator,
                        .design = vehicleCreator,
                        // GTA3 puts one blank after "alarm", GTA VC two.
                        .entries = parkedCarEntries(kVehicleCreator, kVehicles, " "),
                        .result = {.name = "frmgta3vehiclefinished",
                                   .kind = "Vehicle",
                                   .width = 5595,
                                   .height = 2100,
                                   .box = "txtgta3vehiclefinishedcode",
                                   .backToCreator = "cmdbackgta3vehicle",
                                   .focus = ResultFocus::ExitFirst}});
}

}  // namespace creators
