#include "ui/main/WindowList.h"

#include "ui/business/MonthReportDialog.h"
#include "ui/business/DayReportDialog.h"
#include "ui/business/GameOverDialog.h"
#include "ui/business/VisitorNoticeDialog.h"
#include "ui/business/StarPromotionDialog.h"
#include "ui/business/GrandPrizeDialog.h"
#include "ui/business/AwardNoticeDialog.h"
#include "ui/business/AwardCeremonyDialog.h"
#include "ui/business/LedgerWindow.h"
#include "ui/business/SalesChartWindow.h"
#include "ui/business/ProfitChartWindow.h"
#include "ui/business/NewsIndexDialog.h"
#include "ui/business/HeadlineNewsDialog.h"
#include "ui/business/ShopOfMonthNewsDialog.h"
#include "ui/business/IndustryNewsDialog.h"
#include "ui/business/AdvertisingDialog.h"
#include "ui/business/PostersDialog.h"
#include "ui/business/LeafletsDialog.h"
#include "ui/business/TvAdvertDialog.h"
#include "ui/business/PromoFilmDialog.h"
#include "ui/business/BankDialog.h"
#include "ui/business/BorrowDialog.h"
#include "ui/business/LoanRepaymentDialog.h"
#include "ui/business/InsuranceDialog.h"
#include "ui/business/InsurancePayoutDialog.h"
#include "ui/business/RobberyDialog.h"
#include "ui/business/EarthquakeDialog.h"
#include "ui/business/QuakeDamageDialog.h"
#include "ui/business/FireNoticeDialog.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/shop/FireClerkDialog.h"
#include "ui/shop/FacilityInfoDialog.h"
#include "ui/shop/RegisterInfoDialog.h"
#include "ui/shop/ClerkSettingsDialog.h"
#include "ui/shop/ClerkInfoWindow.h"
#include "ui/shop/CustomerOpinionsDialog.h"
#include "ui/shop/ReadingPolicyDialog.h"
#include "ui/shop/ShopServicesDialog.h"
#include "ui/shop/UpkeepDialog.h"
#include "ui/shop/SalaryDialog.h"
#include "ui/shop/ShopInfoWindow.h"
#include "ui/shop/ShopDetailsWindow.h"
#include "ui/shop/ClerkPopupWindow.h"
#include "ui/shop/PlaceFacilityDialog.h"
#include "ui/shop/BuyServiceDialog.h"
#include "ui/shop/ComplaintDialog.h"
#include "ui/shop/HireClerkDialog.h"
#include "ui/shop/ServiceInfoDialog.h"
#include "ui/shop/PersonPopupDialog.h"
#include "ui/shop/BuyRegisterDialog.h"
#include "ui/main/NewGameDialog.h"
#include "ui/stock/MagazineStockWindow.h"
#include "ui/stock/BookOrderDialog.h"
#include "ui/stock/BookStockWindow.h"
#include "ui/stock/BookTopTenDialog.h"
#include "ui/stock/MagazineTopTenDialog.h"
#include "ui/stock/DeliveryScheduleWindow.h"
#include "ui/stock/MagazineOrderDialog.h"
#include "ui/floor/FloorViewWindow.h"
#include "ui/main/VersionDialog.h"
#include "ui/main/GameSpeedDialog.h"
#include "ui/main/SettingsDialog.h"

namespace {

// The windows built so far. A window that is not listed is not built yet:
// opening it does nothing.
const WindowInfo kWindows[] = {
    {Window::FloorView, false, [](GameState& g) -> QWidget* { return new FloorViewWindow(g); }},
    {Window::Version, true, [](GameState& g) -> QWidget* { return new VersionDialog(g); }},
    {Window::NewGame, true, [](GameState& g) -> QWidget* { return new NewGameDialog(g); }},
    {Window::ShopInfo, false, [](GameState& g) -> QWidget* { return new ShopInfoWindow(g); }},
    {Window::PlaceFacility, true, [](GameState& g) -> QWidget* { return new PlaceFacilityDialog(g); }},
    {Window::MagazineOrder, true, [](GameState& g) -> QWidget* { return new MagazineOrderDialog(g); }},
    {Window::HireClerk, true, [](GameState& g) -> QWidget* { return new HireClerkDialog(g); }},
    {Window::PersonPopup, true, [](GameState& g) -> QWidget* { return new PersonPopupDialog(g); }},
    {Window::BuyRegister, true, [](GameState& g) -> QWidget* { return new BuyRegisterDialog(g); }},
    {Window::CustomerOpinions, true, [](GameState& g) -> QWidget* { return new CustomerOpinionsDialog(g); }},
    {Window::FireClerk, true, [](GameState& g) -> QWidget* { return new FireClerkDialog(g); }},
    {Window::ClerkInfo, false, [](GameState& g) -> QWidget* { return new ClerkInfoWindow(g); }},
    {Window::Ledger, false, [](GameState& g) -> QWidget* { return new LedgerWindow(g); }},
    {Window::MonthReport, true, [](GameState& g) -> QWidget* { return new MonthReportDialog(g); }},
    {Window::Insurance, true, [](GameState& g) -> QWidget* { return new InsuranceDialog(g); }},
    {Window::MagazineStock, false, [](GameState& g) -> QWidget* { return new MagazineStockWindow(g); }},
    {Window::Upkeep, true, [](GameState& g) -> QWidget* { return new UpkeepDialog(g); }},
    {Window::FacilityInfo, true, [](GameState& g) -> QWidget* { return new FacilityInfoDialog(g); }},
    {Window::BookOrder, true, [](GameState& g) -> QWidget* { return new BookOrderDialog(g); }},
    {Window::AwardCeremony, true, [](GameState& g) -> QWidget* { return new AwardCeremonyDialog(g); }},
    {Window::BookStock, false, [](GameState& g) -> QWidget* { return new BookStockWindow(g); }},
    {Window::Bank, true, [](GameState& g) -> QWidget* { return new BankDialog(g); }},
    {Window::Borrow, true, [](GameState& g) -> QWidget* { return new BorrowDialog(g); }},
    {Window::LoanRepayment, true, [](GameState& g) -> QWidget* { return new LoanRepaymentDialog(g); }},
    {Window::DayReport, true, [](GameState& g) -> QWidget* { return new DayReportDialog(g); }},
    {Window::GameSpeed, true, [](GameState& g) -> QWidget* { return new GameSpeedDialog(g); }},
    {Window::SalesChart, false, [](GameState& g) -> QWidget* { return new SalesChartWindow(g); }},
    {Window::ProfitChart, false, [](GameState& g) -> QWidget* { return new ProfitChartWindow(g); }},
    {Window::RegisterInfo, true, [](GameState& g) -> QWidget* { return new RegisterInfoDialog(g); }},
    {Window::Earthquake, true, [](GameState& g) -> QWidget* { return new EarthquakeDialog(g); }},
    {Window::AwardNotice, true, [](GameState& g) -> QWidget* { return new AwardNoticeDialog(g); }},
    {Window::GameOver, true, [](GameState& g) -> QWidget* { return new GameOverDialog(g); }},
    {Window::Robbery, true, [](GameState& g) -> QWidget* { return new RobberyDialog(g); }},
    {Window::ClerkSettings, true, [](GameState& g) -> QWidget* { return new ClerkSettingsDialog(g); }},
    {Window::VisitorNotice, true, [](GameState& g) -> QWidget* { return new VisitorNoticeDialog(g); }},
    {Window::Salary, true, [](GameState& g) -> QWidget* { return new SalaryDialog(g); }},
    {Window::Advertising, true, [](GameState& g) -> QWidget* { return new AdvertisingDialog(g); }},
    {Window::Posters, true, [](GameState& g) -> QWidget* { return new PostersDialog(g); }},
    {Window::ShopDetails, false, [](GameState& g) -> QWidget* { return new ShopDetailsWindow(g); }},
    {Window::TvAdvert, true, [](GameState& g) -> QWidget* { return new TvAdvertDialog(g); }},
    {Window::PromoFilm, true, [](GameState& g) -> QWidget* { return new PromoFilmDialog(g); }},
    {Window::Leaflets, true, [](GameState& g) -> QWidget* { return new LeafletsDialog(g); }},
    {Window::ShopServices, true, [](GameState& g) -> QWidget* { return new ShopServicesDialog(g); }},
    {Window::ClerkPopup, false, [](GameState& g) -> QWidget* { return new ClerkPopupWindow(g); }},
    {Window::QuakeDamage, true, [](GameState& g) -> QWidget* { return new QuakeDamageDialog(g); }},
    {Window::NewsIndex, true, [](GameState& g) -> QWidget* { return new NewsIndexDialog(g); }},
    {Window::BookTopTen, true, [](GameState& g) -> QWidget* { return new BookTopTenDialog(g); }},
    {Window::MagazineTopTen, true, [](GameState& g) -> QWidget* { return new MagazineTopTenDialog(g); }},
    {Window::ShopOfMonthNews, true, [](GameState& g) -> QWidget* { return new ShopOfMonthNewsDialog(g); }},
    {Window::IndustryNews, true, [](GameState& g) -> QWidget* { return new IndustryNewsDialog(g); }},
    {Window::HeadlineNews, true, [](GameState& g) -> QWidget* { return new HeadlineNewsDialog(g); }},
    {Window::StarPromotion, true, [](GameState& g) -> QWidget* { return new StarPromotionDialog(g); }},
    {Window::Settings, true, [](GameState& g) -> QWidget* { return new SettingsDialog(g); }},
    {Window::BuyService, true, [](GameState& g) -> QWidget* { return new BuyServiceDialog(g); }},
    {Window::ServiceInfo, true, [](GameState& g) -> QWidget* { return new ServiceInfoDialog(g); }},
    {Window::GrandPrize, true, [](GameState& g) -> QWidget* { return new GrandPrizeDialog(g); }},
    {Window::DeliverySchedule, false, [](GameState& g) -> QWidget* { return new DeliveryScheduleWindow(g); }},
    {Window::InsurancePayout, true, [](GameState& g) -> QWidget* { return new InsurancePayoutDialog(g); }},
    {Window::ReadingPolicy, true, [](GameState& g) -> QWidget* { return new ReadingPolicyDialog(g); }},
    {Window::Complaint, true, [](GameState& g) -> QWidget* { return new ComplaintDialog(g); }},
    {Window::FireOut, true, [](GameState& g) -> QWidget* { return new FireNoticeDialog(g, Window::FireOut); }},
    {Window::FireDiscovered, true, [](GameState& g) -> QWidget* { return new FireNoticeDialog(g, Window::FireDiscovered); }},
    {Window::FireBrigade, true, [](GameState& g) -> QWidget* { return new FireNoticeDialog(g, Window::FireBrigade); }},
};

}  // namespace

void RegisterWindows() {
    for (const WindowInfo& w : kWindows) RegisterWindow(w);
}
