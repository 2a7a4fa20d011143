// The range card: its dialog, its file and its pages, without a display.
#include <fstream>
#include <optional>
#include <sstream>

#include "core/TextFile.h"
#include "ui/Karta1.h"
#include "ui_test_support.h"

namespace {

using uitest::Msg;

class KartaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s_.platform().pdfRenderer = [this](const forms::Document& d) -> std::optional<std::string> {
      printed_ = d;
      return pdf_;
    };
    card().today = [] { return std::string("1. 2. 2027"); };
  }
  Tkarta& card() { return s_.app().karta(); }
  std::string InFolder(const std::string& name) {
    return s_.platform().ProgramFolder() + "/" + name;
  }
  // "Karta do PDF" with the dialog's button pressed (or the dialog closed) and the answer of
  // the file dialog, if one is expected.
  uitest::Shown Print(const std::string& modal, std::optional<std::string> file = std::nullopt) {
    s_.platform().QueueModalAnswer(modal);
    if (file) s_.platform().QueueFileAnswer(std::move(file));
    return s_.Act([&] { s_.w().Button21.Click(); });
  }

  uitest::Session s_;
  std::optional<std::string> pdf_ = std::string("%PDF-1.4 karta");
  forms::Document printed_;
};

TEST_F(KartaTest, PrintsAfterAComputationWhatTheRendererMakesOrSaysWhyNot) {
  Tvstup& w = s_.w();
  EXPECT_FALSE(w.Button21.Enabled());
  s_.Act([&] { w.Button3Click(); });
  EXPECT_TRUE(w.Button21.Enabled());

  EXPECT_EQ(Print(""), uitest::Shown{});  // the dialog closed: no file dialog
  EXPECT_TRUE(s_.platform().Dialogs().empty());
  EXPECT_EQ(Print("Button1", InFolder("karta")), uitest::Shown{});
  EXPECT_EQ(s_.platform().Dialogs().back().defaultName, "308 Sierra MatchKing 168gr.pdf");
  EXPECT_EQ(ReadFileBytes(InFolder("karta.pdf")), pdf_);
  EXPECT_EQ(printed_.pageWidthMm, 210);
  EXPECT_EQ(printed_.pageHeightMm, 297);

  const std::string blocked = InFolder("strely.txt/karta.pdf");
  std::ofstream(InFolder("strely.txt")) << "list";
  EXPECT_EQ(Print("Button1", blocked),
            uitest::Shown{Msg("Soubor " + blocked + " nelze zapsat (složka neexistuje).")});
  pdf_.reset();
  EXPECT_EQ(Print("Button1", InFolder("nic.pdf")),
            uitest::Shown{Msg("Dokument PDF nelze vytvořit.")});
  EXPECT_FALSE(ReadFileBytes(InFolder("nic.pdf")));

  s_.Act([&] { w.Button10Click(); });  // the optimal zero leaves nothing to save
  EXPECT_FALSE(w.Button21.Enabled());
}

TEST_F(KartaTest, RefusesDistancesAndColumnsItCannotPrint) {
  s_.Act([&] { s_.w().Button3Click(); });
  const struct {
    int size;
    const char *from, *to, *step;
    bool noColumns;
    std::string message;
  } cases[] = {
      {0, "-1", "100", "25", false, "Vzdálenost Od menší než 0 m."},
      {0, "200", "100", "25", false, "Vzdálenost Do menší než vzdálenost Od."},
      {1, "0", "100", "0", false, "Krok menší nebo roven 0 m."},
      {1, "0", "2000", "1", false, "Příliš mnoho řádků (nejvýše 2000), zvětšete krok."},
      {2, "100", "500", "50", true, "Vyberte alespoň jeden sloupec."},
      {0, "1,5x", "100", "25", false, "'1,5x' není platné desetinné číslo."},
  };
  for (const auto& c : cases) {
    card().RadioGroup1.Pick(c.size);
    card().Edit1.SetText(c.from);
    card().Edit2.SetText(c.to);
    card().Edit3.SetText(c.step);
    for (int i = 0; i < Tkarta::kColumnChoices; ++i) {
      if (c.noColumns && card().Column(i)->Checked()) card().Column(i)->Click();
    }
    const auto shown = Print("Button1");
    ASSERT_EQ(shown.size(), 1u) << c.message;
    EXPECT_EQ(shown[0].substr(0, 9 + c.message.size()), Msg(c.message)) << shown[0];
    EXPECT_TRUE(s_.platform().Dialogs().empty()) << c.message;
    if (c.noColumns) card().Column(0)->Click();
  }
}

TEST_F(KartaTest, FiveColumnsAtMostAndDefaultsThatFollowTheComputation) {
  Tvstup& w = s_.w();
  s_.Act([&] { w.Button3Click(); });
  EXPECT_EQ(Print(""), uitest::Shown{});
  EXPECT_EQ(card().Edit2.Text(), "100");  // the table's own rows end at the zero
  for (int i = 0; i < Tkarta::kColumnChoices; ++i) EXPECT_FALSE(card().Column(i)->Enabled());

  card().RadioGroup1.Pick(2);
  auto enabled = [&] {
    std::string e;
    for (int i = 0; i < Tkarta::kColumnChoices; ++i) e += card().Column(i)->Enabled() ? '1' : '0';
    return e;
  };
  EXPECT_EQ(enabled(), "11010110");  // the five chosen by default
  card().CheckBox1.Click();
  EXPECT_EQ(enabled(), "11111111");
  card().CheckBox1.Click();

  // The card's default holds as many rows as its first page.
  RangeCardContent layoutOnly = card().Content();
  const int rows = RowsOnFirstPage(layoutOnly, CardSize::Card);
  EXPECT_EQ(card().Edit2.Text(), FormatNumber(100 + 50 * (rows - 1)));
  card().Edit2.SetText("800");
  EXPECT_EQ(Print(""), uitest::Shown{});
  EXPECT_EQ(card().Edit2.Text(), "800");  // the same computation keeps what was typed
  w.CheckBox5.Click();                    // no Y limit: the trajectory runs to the X limit of 300 m
  w.CheckBox4.Click();
  s_.Act([&] { w.Button3Click(); });
  EXPECT_EQ(Print(""), uitest::Shown{});
  EXPECT_EQ(card().Edit2.Text(), FormatNumber(100 + 50 * (rows - 1)));
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Whatever the size, every row is printed once and in order, between the top and bottom
// margins, every second one shaded; a card repeats its title on every page, A4 numbers its
// pages. (Widths are checked with the fonts themselves in the picture tests.)
TEST(RangeCardLayout, EveryRowOnceInsideTheMarginsWithShadingAndPageBlocks) {
  RangeCardContent k;
  k.title = "Náboj s dlouhým názvem, který se na malou kartu nevejde celý";
  k.date = "1. 2. 2027";
  k.parameters = {"BC 0,462 (G1) · v0 800 m/s · nástřel 100 m", "Výška mířidel 40 mm"};
  k.notes = {"Výška: oprava nahoru (+), dolů (−) vůči záměrné přímce a ještě něco navíc."};
  k.columns = {{"X", "[m]"}, {"Výška", "[klik]"}, {"Vítr", "[mrad]"}, {"V", "[m/s]"}};
  for (int r = 0; r < 150; ++r)
    k.rows.push_back({std::to_string(r * 5), FormatNumber(r * 0.1), "0,25", "812"});
  const struct {
    CardSize size;
    double marginMm;
  } sizes[] = {{CardSize::A4, 12}, {CardSize::A6, 6}, {CardSize::Card, 4}};
  for (const auto& sz : sizes) {
    const forms::Document d = LayoutRangeCard(k, sz.size);
    ASSERT_GT(d.pages.size(), 1u);
    const int margin = static_cast<int>(sz.marginMm * 300 / 25.4);
    size_t next = 0;
    for (size_t p = 0; p < d.pages.size(); ++p) {
      const forms::Canvas& page = d.pages[p];
      int rowsHere = 0, shaded = 0, titles = 0, numbers = 0;
      for (const forms::DrawOp& op : page.Ops()) {
        if (op.kind == forms::OpKind::FillRect) ++shaded;
        if (op.kind != forms::OpKind::Text) continue;
        const double lineDots = op.font.sizePt * 300 / 72.0 * 1.2;
        EXPECT_GE(op.x1, margin) << op.text;
        EXPECT_GE(op.y1, margin) << op.text;
        EXPECT_LE(op.y1 + lineDots, page.Height() - margin + 1) << op.text;
        titles += op.text.starts_with("Náboj s dlouhým");
        numbers += op.text == std::to_string(p + 1) + " / " + std::to_string(d.pages.size());
        if (next < k.rows.size() && Words(op.text) == k.rows[next]) {
          ++next;
          ++rowsHere;
        }
      }
      EXPECT_EQ(shaded, rowsHere / 2) << "page " << p;
      EXPECT_EQ(titles, 1) << "page " << p;
      EXPECT_EQ(numbers, sz.size == CardSize::A4 ? 1 : 0) << "page " << p;
      if (p == 0) {
        EXPECT_EQ(rowsHere, RowsOnFirstPage(k, sz.size));
      }
    }
    EXPECT_EQ(next, k.rows.size()) << static_cast<int>(sz.size);
  }
}

}  // namespace
