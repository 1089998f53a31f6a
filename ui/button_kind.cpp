#include "ui/button_kind.h"

#include <array>

namespace ui {

namespace {

constexpr std::array<TButtonKindInfo, bkApply + 1> kKinds = {{
    {nullptr, mrNone, false, false, nullptr},               // bkCustom
    {nullptr, mrOk, true, false, "FBOK"},                    // bkOK
    {"&Abbrechen", mrCancel, false, true, "FBCANCEL"},       // bkCancel
    {nullptr, mrNone, false, false, "FBHELP"},               // bkHelp
    {nullptr, mrYes, true, false, "FBOK"},                   // bkYes
    {nullptr, mrNo, false, true, "FBNO"},                    // bkNo
    {nullptr, mrNone, false, false, "FBCLOSE"},              // bkClose
    {"&Abbrechen", mrAbort, false, false, "FBCANCEL"},       // bkAbort
    {nullptr, mrRetry, false, false, "FBRETRY"},             // bkRetry
    {nullptr, mrIgnore, false, false, "FBIGNORE"},           // bkIgnore
    {nullptr, mrAll, false, false, "FBALL"},                 // bkAll
    {"&Löschen", mrNone, false, false, "FBDEL"},             // bkDelete
    {"&Speichern", mrNone, false, false, "FBSAVE"},          // bkSave
    {"&Drucken", mrNone, false, false, "FBPRINT"},           // bkPrint
    {"&Vorschau", mrNone, false, false, "FBPREVIEW"},        // bkPreview
    {"&Neu", mrNone, false, false, "FBNEW"},                 // bkNew
    {"&Weiter", mrNone, false, false, "FBNEXT"},             // bkNext
    {"&Zurück", mrNone, false, false, "FBPREV"},             // bkPrev
    {"&Einstellungen", mrNone, false, false, "FBTOOLS"},     // bkTools
    {"Ü&bernehmen", mrOk, true, false, "FBOK"},              // bkApply
}};

}  // namespace

const TButtonKindInfo& KindInfo(TBitBtnKind kind) { return kKinds.at(kind); }

}  // namespace ui
