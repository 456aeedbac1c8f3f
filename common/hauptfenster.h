#pragma once
// What the dialogs need of the main window, so that they never include the
// plot window's headers.

namespace kalvion {

class Hauptfenster {
public:
    virtual ~Hauptfenster() = default;
    virtual void freigeben(bool frei) = 0;     // enable or disable the whole window
    virtual void nach_vorn() = 0;              // make visible, show non-modal, activate
    virtual void startknopf_zeigen() = 0;      // cmd_run visible, then enabled
};

}  // namespace kalvion
