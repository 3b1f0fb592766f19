#include "shell/navigation.h"

#include <utility>

#include "shell/basenabledisable.h"
#include "shell/confirmations.h"

namespace shell {

forms::Handler navigate(std::string from, std::string to) {
    return {[from, to](forms::Forms& forms) {
                forms.Show(to);
                forms.Unload(from);
            },
            {from, to}};
}

forms::Handler openDialog(std::string owner, std::string dialog) {
    return {[owner, dialog](forms::Forms& forms) {
                basenabledisable::setListEnabled(forms, owner, false);
                forms.Show(dialog);
            },
            {owner, dialog}};
}

forms::Handler closeDialog(std::string owner, std::string dialog) {
    return {[owner, dialog](forms::Forms& forms) {
                basenabledisable::setListEnabled(forms, owner, true);
                forms.Unload(dialog);
            },
            {owner, dialog}};
}

forms::Handler exitThroughConfirmation(std::string owner) {
    std::string confirmation = confirmationOf(owner).name;
    return openDialog(std::move(owner), std::move(confirmation));
}

}  // namespace shell
