#ifndef CLASSSETTINGDIALOGWITHSTORE_H
#define CLASSSETTINGDIALOGWITHSTORE_H

#include "app/appservices.h"
#include "roster/classsettingdialog.h"
#include "roster/rosterstore.h"

// The store comes first, so that it is built before the dialog over it and
// outlives it.
struct OwnRosterStore
{
    RosterStore ownStore{dataDirectory()};
};

// A class settings dialog over a roster store of its own, as the program
// pairs them, for tests that need only the dialog.
class ClassSettingDialogWithStore : private OwnRosterStore, public ClassSettingDialog
{
public:
    explicit ClassSettingDialogWithStore(QWidget *parent = nullptr)
        : ClassSettingDialog(&ownStore, parent)
    {
    }
};

#endif // CLASSSETTINGDIALOGWITHSTORE_H
