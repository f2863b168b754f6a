#include "app/RnPpdDialogModel.h"

#include "app/RnPpdSettings.h"

namespace orvanest {
namespace {

// The edit boxes are read into a buffer of 100 characters.
constexpr size_t kEditTextLimit = 99;

std::string editText(const std::string& text) { return text.substr(0, kEditTextLimit); }

}  // namespace

RnPpdDialogModel::RnPpdDialogModel(CommandLayer& commands) : commands_(commands) {
    const Layout fresh;
    const Layout* layout = commands.layout();
    initialRnText_ = formatRn(layout ? layout->rn : fresh.rn);
    initialPpdText_ = formatPpd(layout ? layout->ppd : fresh.ppd);
}

void RnPpdDialogModel::pressRenewRn(const std::string& text) {
    Layout* layout = commands_.layout();
    if (!layout) return;
    renewRn(*layout, editText(text), commands_.platform());
    commands_.platform().requestRedraw(true);
}

void RnPpdDialogModel::pressRenewPpd(const std::string& text) {
    Layout* layout = commands_.layout();
    if (!layout) return;
    renewPpd(*layout, editText(text), commands_.platform());
    commands_.platform().requestRedraw(true);
}

}  // namespace orvanest
