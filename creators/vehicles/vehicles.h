// Vehicle creator groups of the three games.
#pragma once

namespace forms {
class Forms;
}

namespace creators::vehicles {

void defineGta3(forms::Forms& forms);   // frmgta3vehicle, frmgta3vehiclefinished
void defineGtaVc(forms::Forms& forms);  // frmgtavcvehicle, frmgtavcvehiclefinished
void defineGtaSa(forms::Forms& forms);  // frmgtasavehicle, frmgtasavehiclefinished

}  // namespace creators::vehicles
