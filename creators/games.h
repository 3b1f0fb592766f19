// The creator groups of each game: its weapon, item and vehicle creators and their result
// windows.
#pragma once

namespace forms {
class Forms;
}

namespace creators {

void defineGta3(forms::Forms& forms);   // frmgta3weapon, frmgta3item, frmgta3vehicle
void defineGtaVc(forms::Forms& forms);  // frmgtavcweapon, frmgtavcitem, frmgtavcvehicle
void defineGtaSa(forms::Forms& forms);  // frmgtasaweapon, frmgtasaitem, frmgtasavehicle

}  // namespace creators
