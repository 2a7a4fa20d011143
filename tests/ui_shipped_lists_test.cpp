// The shipped lists hold published figures. Every row must load into the calculation window,
// compute, and agree with itself: a coefficient typed for the wrong function or in the wrong
// unit, a mass that is not the grain figure of the note, a diameter that is not its calibre,
// or a band that the muzzle velocity never reaches fails here.
#include <algorithm>
#include <regex>

#include "ui/Tabulka1.h"
#include "ui_test_support.h"

namespace {

struct Calibre {
  const char* token;  // as the notes name it
  double inches;
};
constexpr Calibre kCalibres[] = {{".224", 0.224},    {"6mm", 0.243},   {"6,5 Creedmoor", 0.264},
                                 {"6,5 PRC", 0.264}, {"6,5mm", 0.264}, {"7mm", 0.284},
                                 {".308", 0.308},    {".300", 0.308},  {".338", 0.338}};

// Form factors i = (m / d²) / BC in lb/in² of each bullet line against G1 and G7, a few
// per cent around its published figures. The same coefficient against the other function
// lands about twice as far out.
struct Kind {
  const char* line;
  double g1Low, g1High, g7Low, g7High;
};
constexpr Kind kKinds[] = {{"ELD Match", 0.37, 0.52, 0.74, 1.00},
                           {"ELD-X", 0.42, 0.54, 0.85, 1.05},
                           {"MatchKing", 0.43, 0.66, 0.86, 1.30},
                           {"Scenar", 0.47, 0.56, 0.96, 1.08},
                           {"Berger", 0.45, 0.55, 0.88, 1.06}};

double Number(const forms::Edit& e) {
  return ParseNumber(e.Text());
}

TEST(ShippedLists, EveryRowComputesAndAgreesWithItsNote) {
  for (const char* list : {"strely.txt", "naboje.txt"}) {
    SCOPED_TRACE(list);
    uitest::Session s;
    Ttabulka& tab = s.app().tabulka();
    Tvstup& w = s.w();
    const auto shipped = std::filesystem::path(TRAJEKTA_TEST_DATA).parent_path().parent_path();
    s.platform().QueueFileAnswer((shipped / "data" / list).string());
    ASSERT_EQ(s.Act([&] { tab.Button3Click(); }), uitest::Shown{});
    const int rows = tab.StringGrid1.RowCount() - 1;
    ASSERT_GT(rows, 1);
    for (int r = 1; r <= rows; ++r) {
      const std::string function = tab.StringGrid1.Cell(3, r);
      if (function == "prom.") continue;
      SCOPED_TRACE(tab.StringGrid1.Cell(7, r));
      EXPECT_EQ(s.Act([&] { tab.StringGrid1.MouseDown(100, 19 * r + 9); }), uitest::Shown{});
      w.Button5.SetEnabled(false);
      EXPECT_EQ(s.Act([&] { w.Button3Click(); }), uitest::Shown{});
      EXPECT_TRUE(w.Button5.Enabled()) << "no computation";
      EXPECT_EQ(w.ComboBox6.Items()[w.ComboBox6.ItemIndex()], function);

      const std::string note = w.Edit33.Text();
      const double grams = Number(w.Edit2), mm = Number(w.Edit3);
      std::smatch grains;
      ASSERT_TRUE(std::regex_search(note, grains, std::regex("(\\d+(,\\d+)?)gr"))) << "no grains";
      std::string figure = grains[1];
      std::replace(figure.begin(), figure.end(), ',', '.');
      const double published = std::stod(figure) * 0.06479891;
      EXPECT_NEAR(grams, published, 0.005 * published);
      const Calibre* calibre = nullptr;
      for (const Calibre& c : kCalibres)
        if (!calibre && note.find(c.token) != std::string::npos) calibre = &c;
      ASSERT_NE(calibre, nullptr) << "no calibre";
      EXPECT_NEAR(mm, calibre->inches * 25.4, 0.001);

      std::vector<double> coefficients = {Number(w.Edit1)};
      if (w.RadioGroup5.ItemIndex() == 2) {
        coefficients = {Number(w.Edit36), Number(w.Edit37)};
        std::vector<double> speeds = {Number(w.Edit4), Number(w.Edit31)};
        const struct {
          const forms::CheckBox& on;
          const forms::Edit &bc, &speed;
        } more[] = {{w.CheckBox6, w.Edit38, w.Edit32},
                    {w.CheckBox7, w.Edit39, w.Edit34},
                    {w.CheckBox9, w.Edit40, w.Edit35}};
        for (const auto& band : more) {
          if (!band.on.Checked()) break;
          coefficients.push_back(Number(band.bc));
          speeds.push_back(Number(band.speed));
        }
        // The muzzle velocity reaches the first band and each band starts below the last.
        EXPECT_GE(speeds[0], speeds[1]);
        for (size_t k = 2; k < speeds.size(); ++k) EXPECT_GT(speeds[k - 1], speeds[k]) << k;
      }
      const Kind* kind = nullptr;
      for (const Kind& k : kKinds)
        if (!kind && note.find(k.line) != std::string::npos) kind = &k;
      ASSERT_NE(kind, nullptr) << "no known bullet line";
      const bool g7 = function == "G7";
      const double sectional = grams / 453.59237 / std::pow(mm / 25.4, 2);
      for (double bc : coefficients) {
        const double i = sectional / bc;
        EXPECT_GE(i, g7 ? kind->g7Low : kind->g1Low) << "coefficient " << bc;
        EXPECT_LE(i, g7 ? kind->g7High : kind->g1High) << "coefficient " << bc;
      }
    }
  }
}

}  // namespace
