#include "cli/run.h"

#include "calc/result_table.h"
#include "chart/from_calculation.h"
#include "diagram/null_surface.h"

#include "platform/memory_controls.h"

namespace cli {

namespace {

// A result field that notes each write, so the report lists exactly the
// fields a calculation reached, in the order it wrote them.
class ResultBox : public platform::TextBox {
 public:
  ResultBox(std::string name, RunReport& report) : name_(std::move(name)), report_(report) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    text_ = text;
    report_.results.emplace_back(name_, text);
  }

 private:
  std::string name_;
  std::string text_;
  RunReport& report_;
};

// Prompts that nobody can answer here are kept, and the run goes on.
class CollectingBox : public platform::MessageBox {
 public:
  explicit CollectingBox(std::vector<std::string>& into) : into_(into) {}
  void Show(const std::string& prompt) override { into_.push_back(prompt); }

 private:
  std::vector<std::string>& into_;
};

class CollectingWarnings : public calc::WarningBox {
 public:
  explicit CollectingWarnings(std::vector<calc::Warning>& into) : into_(into) {}
  void Warn(const calc::Warning& warning) override { into_.push_back(warning); }

 private:
  std::vector<calc::Warning>& into_;
};

// A list that keeps nothing, for a log a run need not keep.
class DiscardingList : public platform::ListBox {
 public:
  void Clear() override {}
  void AddItem(const std::string&) override {}
};

// The configuration the exact method found, or found now for inputs it could
// read; none where the free stream or a deflection is no input for it.
std::optional<exact::Configuration> ConfigurationOf(const calc::Form1Procedures& form, double gamma) {
  if (form.Record().configuration) return form.Record().configuration;
  const calc::CalcState& s = form.State();
  try {
    return exact::FindConfiguration(s.M1, s.TetaA, s.TetaB, gamma);
  } catch (const exact::Error&) {
    return std::nullopt;
  }
}

}  // namespace

RunReport RunCalculation(const InputTexts& inputs, calc::Method method, double gamma, RunKeeps keeps) {
  RunReport report;
  report.gamma = gamma;
  report.results.reserve(calc::kResultLabels.size());
  platform::MemoryTextBox m1(inputs.M1), p1(inputs.p1), tetaA(inputs.TetaA), tetaB(inputs.TetaB);
  ResultBox betaA("Text_BetaA", report), m2("Text_M2", report), p2("Text_p2", report),
      betaB("Text_BetaB", report), m3("Text_M3", report), p3("Text_p3", report),
      fi("Text_Fi", report), tetaC("Text_TetaC", report), betaC("Text_BetaC", report),
      m4("Text_M4", report), p4("Text_p4", report), tetaD("Text_TetaD", report),
      betaD("Text_BetaD", report), m5("Text_M5", report), p5("Text_p5", report);
  platform::MemoryListBox list;
  DiscardingList no_list;
  diagram::NullSurface no_drawing;
  CollectingBox messages(report.messages);
  CollectingWarnings warnings(report.warnings);

  const calc::Form1Controls controls{
      {m1, p1, tetaA, tetaB},
      {betaA, m2, p2, betaB, m3, p3, fi, tetaC, betaC, m4, p4, tetaD, betaD, m5, p5},
      keeps.details ? static_cast<platform::ListBox&>(list) : no_list,
      keeps.details ? static_cast<platform::Surface&>(report.drawing) : no_drawing,
      messages,
      warnings,
      '.',
      keeps.details};
  calc::Form1Procedures form(controls);
  form.Form_Load();
  try {
    form.hesapla(method, gamma);
  } catch (const platform::RuntimeError& error) {
    report.error = calc::DescribeFailure(error, form);
  } catch (const exact::Error& error) {
    report.error = calc::DescribeFailure(error, form);
  }
  report.exact = form.Record().exact_solution;
  // A batch keeps the configuration only where the exact method needed it (no
  // regular crossing): finding the criteria for every row costs twenty times
  // the solve itself.
  if (method == calc::Method::Exact) {
    report.configuration = keeps.details ? ConfigurationOf(form, gamma) : form.Record().configuration;
  }
  if (keeps.details) report.chart = chart::InputsOf(form, /*solution_shown=*/!report.error);
  report.log = list.items;
  return report;
}

RunReport RunExactCalculation(const InputTexts& inputs, double gamma) {
  return RunCalculation(inputs, calc::Method::Exact, gamma);
}

}  // namespace cli
