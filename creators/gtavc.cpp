// GTA VC's creators: the weapon and item creators with the pickup line each entry writes, and
// the vehicle creator whose 99 vehicles each write a parked car generator command pair.
#include "creators/creator.h"
#include "creators/games.h"
#include "creators/pickups/pickup_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "creators/vehicles/vehicle_layout.h"

namespace creators {

namespace {

const Game kGame = {
    .name = "GTA VC", .picker = "frmgtavccodepick", .backToPicker = "cmdgtavccodepickback"};

// Blanks count: the weapon creator's plain pickups end in "at" and two blanks, the items' in
// "at" and one, and "Mac" really is "#UZI 10".
const PickupRow kWeapons[] = {
    {"Bat", Line::Pickup, " = create_pickup #BAT type  15 at  "},
    {"Brass Knuckles", Line::Pickup, " = create_pickup #BRASSKNUCKLE type  15 at  "},
    {"Chainsaw", Line::Pickup, " = create_pickup #CHNSAW type  15 at  "},
    {"Cleaver", Line::Pickup, " = create_pickup #CLEAVER type  15 at  "},
    {"Colt 45", Line::WeaponPickup, " = create_weapon_pickup #COLT45  15 ammo  "},
    {"Colt M4", Line::WeaponPickup, " = create_weapon_pickup #M4  15 ammo  "},
    {"Colt Python", Line::WeaponPickup, " = create_weapon_pickup #PYTHON  15 ammo  "},
    {"Flamethrower", Line::WeaponPickup, " = create_weapon_pickup #FLAME  15 ammo  "},
    {"Golf Club", Line::Pickup, " = create_pickup #GOLFCLUB type  2 at  "},
    {"Grenades", Line::WeaponPickup, " = create_weapon_pickup #GRENADE  15 ammo  "},
    {"Hammer", Line::Pickup, " = create_pickup #HAMMER type  2 at  "},
    {"Katana", Line::Pickup, " = create_pickup #KATANA type  2 at  "},
    {"Knife", Line::Pickup, " = create_pickup #KNIFECUR type  2 at  "},
    {"Kruger", Line::WeaponPickup, " = create_weapon_pickup #RUGER  15 ammo  "},
    {"M60", Line::WeaponPickup, " = create_weapon_pickup #M60  15 ammo  "},
    {"Mac", Line::WeaponPickup, " = create_weapon_pickup #UZI 10  15 ammo  "},
    {"Machete", Line::Pickup, " = create_pickup #MACHETE type  2 at  "},
    {"Mini Gun", Line::WeaponPickup, " = create_weapon_pickup #MINIGUN  15 ammo  "},
    {"Molotov Cocktails", Line::WeaponPickup, " = create_weapon_pickup #MOLOTOV  15 ammo  "},
    {"MP5", Line::WeaponPickup, " = create_weapon_pickup #MP5LNG  15 ammo  "},
    {"Night Stick", Line::Pickup, " = create_pickup #NITESTICK type  2 at  "},
    {"PSG-1", Line::WeaponPickup, " = create_weapon_pickup #LASER  15 ammo  "},
    {"Remote Grenades", Line::WeaponPickup, " = create_weapon_pickup #BOMB  15 ammo  "},
    {"Rocket Launcher", Line::WeaponPickup, " = create_weapon_pickup #ROCKETLA  15 ammo  "},
    {"S.P.A.S.12", Line::WeaponPickup, " = create_weapon_pickup #SHOTGSPA  15 ammo  "},
    {"Screwdriver", Line::Pickup, " = create_pickup #SCREWDRIVER type  2 at  "},
    {"Shotgun", Line::WeaponPickup, " = create_weapon_pickup #CHROMEGUN  15 ammo  "},
    {"Sniper Rifle", Line::WeaponPickup, " = create_weapon_pickup #SNIPER  15 ammo  "},
    {"Stubby Shotgun", Line::WeaponPickup, " = create_weapon_pickup #BUDDYSHOT  15 ammo  "},
    {"Tear Gas", Line::WeaponPickup, " = create_weapon_pickup #TEARGAS  15 ammo  "},
    {"Tec-9", Line::WeaponPickup, " = create_weapon_pickup #TEC9  15 ammo  "},
    {"Uzi", Line::WeaponPickup, " = create_weapon_pickup #INGRAMSL  15 ammo  "},
};

const PickupRow kItems[] = {
    {"Adrenaline", Line::Pickup, " = create_pickup #ADRENALINE type  15 at "},
    {"Body Armour", Line::Pickup, " = create_pickup #BODYARMOUR type  15 at "},
    {"Bribe", Line::Pickup, " = create_pickup #BRIBE type  15 at "},
    {"Health", Line::Pickup, " = create_pickup #HEALTH type  15 at "},
};

// Widths follow the captions, so "Back To GTA VC Code Pick" keeps to one line.
const BottomRow kBottomRow = {.backToPicker = "cmdbacktovccp",
                              .pickerCaption = "Back To GTA VC Code Pick",
                              .height = 495,
                              .pickerShare = 42,
                              .mainShare = 34,
                              .exitShare = 24};

const CreatorDesc kWeaponCreator = {
    .window = "frmgtavcweapon",
    .caption = "Quarnix | GTA VC Weapon Spawn Point Creator",
    .width = 6015,
    .height = 3645,
    .list = "lstgtavcweapon",
    .bottomRow = kBottomRow,
    .labels = LabelOrder::BeforeAllBoxes,
    .listWidth = 2055,
    .rowGap = 180,
};

const CreatorDesc kItemCreator = {
    .window = "frmgtavcitem",
    .caption = "Quarnix | GTA VC Item Spawn Point Creator",
    .width = 5700,
    .height = 3030,
    .list = "lstgtavcitem",
    .bottomRow = kBottomRow,
    .labels = LabelOrder::AfterEachBox,
    .listWidth = 1815,
    .listHeight = 1005,
    .rowGap = 150,
};

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

const CreatorDesc kVehicleCreator = {
    .window = "frmgtavcvehicle",
    .caption = "Quarnix | GTA VC Vehicle Spawn Point Creator",
    .width = 6105,
    .height = 4215,
    .list = "lstvehicle",
    // The door-lock box is read like GTA3's: a box the user fills and the command ignores
    // would silently drop the value.
    .boxes = {.doorLock = "txtdoorlock"},
    .bottomRow = vehicleBottomRow("cmdbacktogtavccp", "Back To GTA VC Code Pick"),
    .alarmLabel = "lblalarm",
    .doorLockLabel = "lbldoorlock",
};

}  // namespace

void defineGtaVc(forms::Forms& forms) {
    defineGroup(forms, {.game = kGame,
                        .creator = kWeaponCreator,
                        .design = weaponCreator,
                        .entries = pickupEntries(kWeapons, kWeaponCreator.boxes),
                        .result = {.name = "frmgtavcweaponfinished",
                                   .kind = "Weapon",
                                   .width = 5910,
                                   .height = 2070,
                                   .box = "txtfinishedcode",
                                   .backToCreator = "cmdbackgtavcweapon",
                                   .focus = ResultFocus::ExitFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kItemCreator,
                        .design = itemCreator,
                        .entries = pickupEntries(kItems, kItemCreator.boxes),
                        .result = {.name = "frmgtavcitemfinished",
                                   .kind = "Item",
                                   .width = 5520,
                                   .height = 2055,
                                   .box = "txtgtavcitemfinishedcode",
                                   .backToCreator = "cmdbackgtavcitem",
                                   .focus = ResultFocus::BoxFirst}});
    defineGroup(forms, {.game = kGame,
                        .creator = kVehicleCreator,
                        .design = vehicleCreator,
                        // Two blanks after "alarm", where GTA3 has one.
                        .entries = parkedCarEntries(kVehicleCreator, kVehicles, "  "),
                        .result = {.name = "frmgtavcvehiclefinished",
                                   .kind = "Vehicle",
                                   .width = 5715,
                                   .height = 2070,
                                   .box = "txtfinishedcode",
                                   .backToCreator = "cmdbackgtavcvehicle",
                                   .focus = ResultFocus::ExitFirst}});
}

}  // namespace creators
