// Weapon and item creator groups of the three games.
#pragma once

namespace forms {
class Forms;
}

namespace creators::pickups {

void defineGta3(forms::Forms& forms);   // frmgta3weapon, frmgta3item and their result windows
void defineGtaVc(forms::Forms& forms);  // frmgtavcweapon, frmgtavcitem and their result windows
void defineGtaSa(forms::Forms& forms);  // frmgtasaweapon, frmgtasaitem and their result windows

}  // namespace creators::pickups
