#pragma once
#include <memory>
#include <string>

#include "engine/Computation.h"
#include "engine/Integration.h"
#include "forms/Platform.h"
#include "forms/Window.h"
#include "plot/PlotCanvas.h"

class Application;
struct HeaderWindowState;
struct SavedTableState;

// The calculation window: every input of a computation, the compute action, the result
// panel and the trajectory graph.
class Tvstup : public forms::Window {
 public:
  Tvstup(Application& app, forms::Platform& platform);

  void FormCreate() override;
  void FormResize() override;
  void FormDestroy() override;

  // ---- Page "Paramety"
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"}, Edit4{"Edit4"}, Edit5{"Edit5"},
      Edit6{"Edit6"}, Edit19{"Edit19"}, Edit63{"Edit63"}, Edit22{"Edit22"};
  forms::Label Label1{"Label1"};  // caption of Edit1: coefficient or form factor
  forms::Label Label2{"Label2"};  // unit of Edit1
  forms::Label Label3{"Label3"};  // caption of the angle / zero row
  forms::Label Label4{"Label4"};  // unit of the angle / zero row
  forms::RadioGroup RadioGroup3{"RadioGroup3"};
  forms::ComboBox ComboBox1{"ComboBox1"}, ComboBox2{"ComboBox2"};
  forms::Edit Edit24{"Edit24"};
  forms::Label Label5{"Label5"};  // unit of Edit24
  forms::Label Label12{"Label12"};
  forms::UpDown UpDown1{"UpDown1"};
  forms::Button Button8{"Button8"};
  forms::Button Button1{"Button1"}, Button7{"Button7"}, Button5{"Button5"}, Button15{"Button15"},
      Button3{"Button3"};
  forms::CheckBox CheckBox12{"CheckBox12"};  // hidden: the save-options dialog was confirmed

  // ---- Page "Atmosféra"
  forms::Edit Edit13{"Edit13"}, Edit8{"Edit8"}, Edit29{"Edit29"}, Edit9{"Edit9"}, Edit10{"Edit10"},
      Edit11{"Edit11"}, Edit55{"Edit55"};
  forms::Label Label6{"Label6"};  // caption of Edit10
  forms::Label Label7{"Label7"};  // caption of Edit11
  forms::Label Label8{"Label8"};  // unit of Edit11
  forms::RadioGroup RadioGroup4{"RadioGroup4"}, RadioGroup7{"RadioGroup7"},
      RadioGroup6{"RadioGroup6"};
  forms::CheckBox CheckBox14{"CheckBox14"};
  forms::ComboBox ComboBox3{"ComboBox3"};
  forms::Edit Edit44{"Edit44"}, Edit45{"Edit45"}, Edit46{"Edit46"}, Edit47{"Edit47"},
      Edit48{"Edit48"};
  forms::Edit Edit49{"Edit49"}, Edit50{"Edit50"}, Edit51{"Edit51"}, Edit52{"Edit52"},
      Edit53{"Edit53"};

  // ---- Page "Ostatní"
  forms::Edit Edit41{"Edit41"};
  forms::Button Button10{"Button10"};
  forms::Label Label50{"Label50"};
  forms::ScrollBar ScrollBar1{"ScrollBar1"};
  forms::CheckBox CheckBox8{"CheckBox8"};
  forms::Edit Edit23{"Edit23"};
  forms::ComboBox ComboBox4{"ComboBox4"};
  forms::Button Button13{"Button13"};
  forms::Edit Edit7{"Edit7"}, Edit14{"Edit14"};
  forms::Label Label9{"Label9"};    // caption of Edit7
  forms::Label Label10{"Label10"};  // caption of Edit14
  forms::Label Label11{"Label11"};  // unit of Edit14
  forms::RadioButton RadioButton1{"RadioButton1"}, RadioButton2{"RadioButton2"};
  forms::Button Button11{"Button11"};
  forms::Edit Edit42{"Edit42"}, Edit43{"Edit43"}, Edit64{"Edit64"};
  forms::ComboBox ComboBox7{"ComboBox7"};
  forms::RadioGroup RadioGroup8{"RadioGroup8"};
  forms::CheckBox CheckBox13{"CheckBox13"};
  forms::Button Button19{"Button19"}, Button20{"Button20"};

  // ---- Page "Tvar"
  forms::ComboBox ComboBox6{"ComboBox6"};
  forms::Button Button4{"Button4"};
  forms::RadioGroup RadioGroup5{"RadioGroup5"};
  forms::Button Button16{"Button16"};
  forms::Edit Edit30{"Edit30"}, Edit31{"Edit31"}, Edit32{"Edit32"}, Edit34{"Edit34"},
      Edit35{"Edit35"};
  forms::Edit Edit36{"Edit36"}, Edit37{"Edit37"}, Edit38{"Edit38"}, Edit39{"Edit39"},
      Edit40{"Edit40"};
  forms::CheckBox CheckBox6{"CheckBox6"}, CheckBox7{"CheckBox7"}, CheckBox9{"CheckBox9"};
  forms::Edit Edit25{"Edit25"}, Edit26{"Edit26"}, Edit27{"Edit27"}, Edit28{"Edit28"};
  forms::Button Button14{"Button14"};
  forms::Edit Edit20{"Edit20"}, Edit21{"Edit21"};
  forms::Button Button12{"Button12"};

  // ---- Page "Doplňky"
  forms::CheckBox CheckBox11{"CheckBox11"}, CheckBox10{"CheckBox10"}, CheckBox3{"CheckBox3"};
  forms::Edit Edit54{"Edit54"}, Edit56{"Edit56"}, Edit58{"Edit58"};
  forms::Edit Edit57{"Edit57"}, Edit59{"Edit59"}, Edit60{"Edit60"}, Edit61{"Edit61"},
      Edit62{"Edit62"};
  forms::Edit Edit12{"Edit12"};
  forms::ComboBox ComboBox5{"ComboBox5"};
  forms::Button Button21{"Button21"};  // "Karta do PDF", beyond the program's controls

  // ---- Title, graph and result panel
  forms::Edit Edit33{"Edit33"};
  forms::Edit Edit15{"Edit15"}, Edit16{"Edit16"};
  forms::CheckBox CheckBox4{"CheckBox4"}, CheckBox5{"CheckBox5"};
  forms::Edit Edit17{"Edit17"}, Edit18{"Edit18"};
  forms::CheckBox CheckBox1{"CheckBox1"}, CheckBox2{"CheckBox2"};
  forms::Image Image1{"Image1", 16, 16}, Image2{"Image2", 16, 16};
  forms::RadioGroup RadioGroup1{"RadioGroup1"}, RadioGroup2{"RadioGroup2"};
  forms::Button BitBtn1{"BitBtn1"}, BitBtn2{"BitBtn2"}, Button6{"Button6"};
  forms::Memo Memo1{"Memo1"};
  forms::Button Button2{"Button2"};
  forms::Image Graf0{"Graf0", kGraphWidth, kGraphHeight};
  forms::Button Button9{"Button9"};
  forms::Label Label49{"Label49"};

  // ---- Menu
  forms::Button N1{"N1"}, N2{"N2"}, N3{"N3"}, N4{"N4"}, N5{"N5"}, N6{"N6"};
  forms::Button N7{"N7"};
  forms::Button N8{"N8"};

  // ---- Handlers
  void RadioGroup3Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void UpDown1Click(bool up);
  void Button8Click();
  void ScrollBar1Change();
  void CheckBox8Click();
  void RadioGroup4Click();
  void ComboBox3Change();
  void RadioGroup7Click();
  void RadioGroup6Click();
  void RadioGroup5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void CheckBox9Click();
  void CheckBox11Click();
  void CheckBox10Click();
  void CheckBox3Click();
  void RadioButton1Click();
  void RadioButton2Click();
  void ComboBox6Change();
  void ComboBox7Change();
  void RadioGroup8Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button13Click();
  // Special solvers
  void Button10Click();
  void Button11Click();
  void Button12Click();
  void Button14Click();
  void Button19Click();  // the reticle ranging report
  void Button20Click();
  // Trajectory graph
  void RadioGroup1Click();
  void RadioGroup2Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void Button6Click();
  void Button9Click();
  void N1Click();
  void N3Click();
  void N4Click();
  void N5Click();
  void N6Click();
  void N2Click();
  void Button16Click();
  // Saved computations, parameter files and the cartridge list
  void Button1Click();
  void Button5Click();
  void Button7Click();
  void Button15Click();
  void LoadParameterFile(const std::string& path);
  // Loads the DRG file at path as "Načti funkci odporu" does after its dialog.
  void LoadDrgPath(const std::string& path);
  void N7Click();
  void N8Click();

  // ---- Engine steps that read the window
  void ReadShotInputs();
  void ResolveCoefficient();
  void SelectDragFunction(int id);
  void LoadDrgFile() { Button4Click(); }
  void RefreshTrajectoryGraph();
  // Solves the launch angle and writes it into Edit6 (automatic step off in mode 2).
  void SolveLaunchAngleInWindow();

  // What saved files take from the window besides the computation.
  HeaderWindowState ParameterHeaderState() const;
  SavedTableState TableState() const;

  Computation& computation() { return *comp_; }
  TPlotCanvas& graph() { return graph_; }

  // Everything the window holds between actions: its computation, its controls (the result
  // panel only when asked), its graph and the DRG file name its dialog proposes.
  class Snapshot {
   public:
    Snapshot(Tvstup& w, bool withResultPanel);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    // Puts it all back without running a handler; once.
    void Restore();

   private:
    Tvstup& w_;
    forms::Control::Restore controls_;
    std::unique_ptr<Computation> comp_;
    TPlotState graph_;
    std::string drgDialogName_;
    bool restored_ = false;
  };

  // An action that ends with a message leaves the window, and the other windows it names,
  // as they were before the click (the lines it printed stay); an action run by another one
  // is covered by the outer one.
  class ActionRollback {
   public:
    explicit ActionRollback(Tvstup& w, std::initializer_list<forms::Window*> others = {});
    ~ActionRollback();
    ActionRollback(const ActionRollback&) = delete;
    ActionRollback& operator=(const ActionRollback&) = delete;

   private:
    Tvstup& w_;
    std::unique_ptr<Snapshot> saved_;
    std::vector<forms::Control::Restore> others_;
    int exceptions_;
  };
  // The busy label, the chosen step and report lines of a run reach the window here.
  IntegrationHooks Hooks();

  // Axes, units, title and curve colours of the trajectory graph; other graphs in its style
  // start from it.
  static TPlotOwnerConfig GraphStyle();

  static constexpr int kGraphWidth = 460;
  static constexpr int kGraphHeight = 262;

 private:
  double Number(const forms::Edit& edit) const;
  void WireHandlers();
  void SetDesignState();
  void WriteStartTexts();
  void PrepareRotation();
  void CorrectMuzzleVelocity();
  void ReadShapeAndCheck();
  void SetBandFieldsEnabled();
  int GraphSamplingStep() const;
  void StoreClone(int slot);
  void StartCoefficientSearch();
  void FinishCoefficientSearch(const double* launchAngleDeg);
  void ReadStartupFile();
  void WireFileHandlers();
  std::string MissingDrgMessage(const std::string& path) const;

  Application& app_;
  std::unique_ptr<Computation> comp_;
  TPlotCanvas graph_;
  std::vector<double> scratch_;
  std::string drgDialogName_;  // the file name "Načti funkci odporu" proposes
  int actionDepth_ = 0;        // ActionRollback scopes open
  // A computation's room kept between snapshots, so that taking one copies but does not
  // allocate.
  std::unique_ptr<Computation> spare_;
};
