#include "ui/main/FormList.h"

#include "business/Form15.h"
#include "business/Form27.h"
#include "business/Form34.h"
#include "business/Form37.h"
#include "business/Form54.h"
#include "business/Form58.h"
#include "platform/qt/Forms.h"
#include "shop/Form12.h"
#include "shop/Form20.h"
#include "shop/Form31.h"
#include "shop/Form36.h"
#include "shop/Form38.h"
#include "shop/Form4.h"
#include "shop/Form41.h"
#include "shop/Form46.h"
#include "shop/Form5.h"
#include "shop/Form56.h"
#include "shop/Form63.h"
#include "shop/Form7.h"
#include "shop/Form57.h"
#include "shop/Form8.h"
#include "shop/Form9.h"
#include "state/Form3.h"
#include "stock/Form17.h"
#include "stock/Form21.h"
#include "stock/Form23.h"
#include "stock/Form49.h"
#include "stock/Form50.h"
#include "stock/Form59.h"
#include "stock/Form6.h"
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
    RegisterForm({5, true, [] { return new Form5; }});
    RegisterForm({6, true, [] { return new Form6; }});
    RegisterForm({7, true, [] { return new Form7; }});
    RegisterForm({8, true, [] { return new Form8; }});
    RegisterForm({9, true, [] { return new Form9; }});
    RegisterForm({12, true, [] { return new Form12; }});
    RegisterForm({15, true, [] { return new Form15; }});
    RegisterForm({17, false, [] { return new Form17; }});
    RegisterForm({20, true, [] { return new Form20; }});
    RegisterForm({21, true, [] { return new Form21; }});
    RegisterForm({23, false, [] { return new Form23; }});
    RegisterForm({27, true, [] { return new Form27; }});
    RegisterForm({28, true, [] { return new Form28; }});
    RegisterForm({31, true, [] { return new Form31; }});
    RegisterForm({34, true, [] { return new Form34; }});
    RegisterForm({36, true, [] { return new Form36; }});
    RegisterForm({37, true, [] { return new Form37; }});
    RegisterForm({38, true, [] { return new Form38; }});
    RegisterForm({41, false, [] { return new Form41; }});
    RegisterForm({46, false, [] { return new Form46; }});
    RegisterForm({49, true, [] { return new Form49; }});
    RegisterForm({50, true, [] { return new Form50; }});
    RegisterForm({54, true, [] { return new Form54; }});
    RegisterForm({55, true, [] { return new Form55; }});
    RegisterForm({56, true, [] { return new Form56; }});
    RegisterForm({57, true, [] { return new Form57; }});
    RegisterForm({58, true, [] { return new Form58; }});
    RegisterForm({59, false, [] { return new Form59; }});
    RegisterForm({63, true, [] { return new Form63; }});
}
