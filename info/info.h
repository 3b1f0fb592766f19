// Information windows and the e-mail composer, opened from the main window's menus.
#pragma once

namespace forms {
class Forms;
}

namespace info {

// frmaboutprogram, frmaboutversion, frmaboutcopyright, frmthanks
void defineInformationWindows(forms::Forms& forms);
// frmsendemail
void defineSendEmail(forms::Forms& forms);

}  // namespace info
