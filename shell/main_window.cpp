#include "shell/main_window.h"

#include "shell/confirmations.h"
#include "shell/navigation.h"

namespace shell {

namespace {

// Addresses of the web-site menu items, handed to the desktop's browser.
constexpr const char* kVorlakSite = "https://vorlak.example.com";
constexpr const char* kForumSite = "https://gtaforums.com";
constexpr const char* kFanSite = "https://gtauniverse.example.org";

// How long the splash stays at least, in seconds.
constexpr double kSplashSeconds = 2.0;

}  // namespace

void defineSplash(forms::Forms& forms) {
    forms::WindowDef def;
    def.layout.name = "frmquarnixload";
    def.layout.width = 4995;
    def.layout.height = 3405;
    def.layout.borderless = true;
    forms::ControlDecl logo;
    logo.kind = forms::Kind::Image;
    logo.name = "imgquarnixlogo";
    logo.rect = {0, 0, 4995, 3405};
    logo.picture = "splash";
    logo.accessibleName = "Quarnix";
    def.layout.controls = {logo};
    forms.define(std::move(def));
}

void frmquarnixload_Form_Load(forms::Forms& forms) {
    forms.Show("frmquarnixload");
    const double start = forms.Timer();
    while (forms.Timer() - start < kSplashSeconds && !forms.ended()) {
        forms.DoEvents();
    }
    forms.Show("frmgtapick");
    forms.Unload("frmquarnixload");
}

namespace {

forms::ControlDecl gameButton(const char* name, const char* picture, const char* spoken, int x) {
    forms::ControlDecl c;
    c.kind = forms::Kind::PictureButton;
    c.name = name;
    c.picture = picture;
    c.accessibleName = spoken;
    c.rect = {x, 120, 3135, 3135};
    return c;
}

forms::Handler browse(const char* address) {
    // The main window is neither greyed nor changed; a browser that fails to start changes
    // nothing either.
    return [address](forms::Forms& forms) { forms.openUrl(address, forms["frmgtapick"].hwnd()); };
}

}  // namespace

void defineMainWindow(forms::Forms& forms) {
    forms::WindowDef def;
    auto& l = def.layout;
    l.name = "frmgtapick";
    l.caption = "Quarnix | GTA Pick";
    l.width = 10095;
    l.height = 4095;
    l.menus = {
        {"mnuabout",
         "&About",
         {{"mnuprogram", "&Program", "Ctrl+P"},
          {"mnuversion", "&Version", "Ctrl+V"},
          {"mnucopyright", "C&opyright", "Ctrl+O"}}},
        {"mnuthanks", "Mem&bers", {{"mnuthanks2", "&Thanks", "Ctrl+T"}}},
        {"mnucontact", "&Contact", {{"mnuemail", "&E-Mail", "Ctrl+E"}}},
        {"mnuweb",
         "&Web Sites",
         {{"mnuvorlak", "&Vorlak's Personal Site", "Ctrl+K"},
          {"mnuseporator", "-", ""},
          {"mnugtaf", "GTA &Forums", "Ctrl+F"},
          {"mnugtau", "&GTA Universe", "Ctrl+G"}}},
    };
    l.controls = {
        gameButton("cmdgta3", "gta3", "GTA3", 120),
        gameButton("cmdgtavc", "gtavc", "GTA VC", 3480),
        gameButton("cmdgtasa", "gtasa", "GTA SA", 6840),
        forms::button("cmdexit", "Exit", {120, 3480, 9855, 495}),
    };

    def.clicks["cmdgta3"] = navigate("frmgtapick", "frmgta3codepick");
    def.clicks["cmdgtavc"] = navigate("frmgtapick", "frmgtavccodepick");
    def.clicks["cmdgtasa"] = navigate("frmgtapick", "frmgtasacodepick");
    def.clicks["cmdexit"] = exitThroughConfirmation("frmgtapick");
    def.clicks["mnuprogram"] = openDialog("frmgtapick", "frmaboutprogram");
    def.clicks["mnuversion"] = openDialog("frmgtapick", "frmaboutversion");
    def.clicks["mnucopyright"] = openDialog("frmgtapick", "frmaboutcopyright");
    def.clicks["mnuthanks2"] = openDialog("frmgtapick", "frmthanks");
    def.clicks["mnuemail"] = openDialog("frmgtapick", "frmsendemail");
    def.clicks["mnuvorlak"] = browse(kVorlakSite);
    def.clicks["mnugtaf"] = browse(kForumSite);
    def.clicks["mnugtau"] = browse(kFanSite);
    forms.define(std::move(def));
}

}  // namespace shell
