#include "ui/main/FormList.h"

#include "platform/qt/Forms.h"
#include "shop/Form4.h"
#include "shop/Form41.h"
#include "state/Form3.h"
#include "ui/floor/Form1.h"
#include "ui/main/Form2.h"
#include "ui/main/Form28.h"
#include "ui/main/Form55.h"

// The windows built so far, by form number. A window that is not listed
// is not built yet: opening it does nothing.
void RegisterForms() {
    RegisterForm({1, false, [] { return new Form1; }});
    RegisterForm({2, true, [] { return new Form2; }});
    RegisterForm({3, true, [] { return new Form3; }});
    RegisterForm({4, false, [] { return new Form4; }});
    RegisterForm({28, true, [] { return new Form28; }});
    RegisterForm({41, false, [] { return new Form41; }});
    RegisterForm({55, true, [] { return new Form55; }});
}
