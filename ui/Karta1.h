#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/Canvas.h"
#include "forms/Window.h"
#include "solvers/RangeCard.h"

class Application;

enum class CardSize { A4 = 0, A6 = 1, Card = 2 };

// A column of the printed table: its name and unit, one above the other.
struct CardColumn {
  std::string name, unit;
};

// What a printed range card says, every text as it is printed.
struct RangeCardContent {
  std::string title;                    // the cartridge
  std::string date;                     // shown beside the title
  std::vector<std::string> parameters;  // monospace lines on A4, short lines on the small sizes
  std::vector<std::string> notes;       // the conventions, wrapped to the page
  std::vector<CardColumn> columns;      // the first is the distance
  std::vector<std::vector<std::string>> rows;
  const forms::Canvas* graph = nullptr;  // the trajectory graph, on A4 only
};

// The pages of a card: the size's page with margins a home printer keeps, the title, the
// parameters, the notes, the graph (A4) and as many table rows as fit; further pages take the
// remaining rows. Canvases are in dots of 300 dpi.
forms::Document LayoutRangeCard(const RangeCardContent& content, CardSize size);
// How many table rows the first page holds with this content's texts.
int RowsOnFirstPage(const RangeCardContent& content, CardSize size);

// "Karta do PDF": a range card of the last computation, printed as PDF.
class Tkarta : public forms::Window {
 public:
  Tkarta(Application& app, forms::Platform& platform);
  void FormCreate() override;

  forms::RadioGroup RadioGroup1{"RadioGroup1"};                // the size
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"};  // from, to, step
  // The columns of the small sizes: elevation in clicks, MOA and mrad, the wind hold in clicks
  // and mrad, time of flight, velocity, energy.
  forms::CheckBox CheckBox1{"CheckBox1"}, CheckBox2{"CheckBox2"}, CheckBox3{"CheckBox3"},
      CheckBox4{"CheckBox4"}, CheckBox5{"CheckBox5"}, CheckBox6{"CheckBox6"},
      CheckBox7{"CheckBox7"}, CheckBox8{"CheckBox8"};
  forms::Button Button1{"Button1"};  // "Pokračovat"
  forms::Button Button2{"Button2"};  // "Zrušit"

  static constexpr int kColumnChoices = 8;
  static constexpr int kMaxColumns = 5;
  static constexpr int kMaxRows = 2000;

  // The button of the calculation window: the dialog, the file dialog and the file.
  void Print();
  void RadioGroup1Click();
  void ColumnClick();
  void Button1Click();
  void Button2Click();

  CardSize Size() const { return static_cast<CardSize>(RadioGroup1.ItemIndex()); }
  forms::CheckBox* Column(int i);
  // The content of the card for the last computation and the rows the dialog accepted.
  RangeCardContent Content() const;
  // The date shown on the card; tests fix it.
  std::function<std::string()> today;

 private:
  // The computation that the distances' defaults were taken from.
  struct TableSource {
    int steps = -1;
    double endXM = 0, endYCm = 0, tableStepM = 0;
    bool slantEntry = false;
    bool operator==(const TableSource&) const = default;
  };
  TableSource Source() const;
  void SetDefaultDistances();
  std::vector<int> ChosenColumns() const;

  Application& app_;
  bool confirmed_ = false;
  TableSource source_;
  RangeCardTable table_;
};
