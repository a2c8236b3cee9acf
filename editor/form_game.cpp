#include "editor/form_game.h"

#include <algorithm>
#include <utility>

#include "common/product.h"
#include "common/skip_on_failure.h"
#include "common/text.h"
#include "editor/entry_rules.h"
#include "editor/game_window_layout.h"
#include "editor/memory_card.h"
#include "editor/open_file_record.h"

namespace slotmate {
namespace {

constexpr char kCardFilter[] = "VGS Memory Card (*.mem)|*.mem|All files (*.*)|*.*";
constexpr char kBrowseTitle[] = "Select Memory Card";

void SelectAll(platform::TextBox& box) {
  SkipOnFailure([&] { box.SetSelection(0, int(box.Text().size())); });
}

void TrimBox(platform::TextBox& box) { box.SetText(std::string(TrimBlanks(box.Text()))); }

// A pasted TAB, CR or LF would split the saved row.
void BlankLineBreaks(platform::TextBox& box) {
  std::string text = box.Text();
  std::replace_if(
      text.begin(), text.end(),
      [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  box.SetText(text);
}

}  // namespace

formGame::formGame(platform::Platform& platform, platform::Window& owner,
                   const Catalogue& catalogue, std::function<std::string()> discId)
    : platform_(platform),
      owner_(owner),
      catalogue_(catalogue),
      discId_(std::move(discId)),
      window_(platform.toolkit.NewWindow(layout::GameWindow())),
      window(*window_),
      btnGet(window.AddButton(layout::BtnGet())),
      btnCancel(window.AddButton(layout::BtnCancel())),
      btnSave(window.AddButton(layout::BtnSave())),
      txtCode(window.AddTextBox(layout::TxtCode())),
      btnBrowse(window.AddButton(layout::BtnBrowse())),
      txtPath(window.AddTextBox(layout::TxtPath())),
      txtTitle(window.AddTextBox(layout::TxtTitle())),
      Image1(window.AddPicture(layout::Image1())),
      lblCode(window.AddLabel(layout::LblCode())),
      lblMemory(window.AddLabel(layout::LblMemory())),
      lblTitle(window.AddLabel(layout::LblTitle())) {
  btnGet.OnClick([this] { btnGet_Click(); });
  btnCancel.OnClick([this] { btnCancel_Click(); });
  btnSave.OnClick([this] { btnSave_Click(); });
  btnBrowse.OnClick([this] { btnBrowse_Click(); });
  txtTitle.OnGotFocus([this] { txtTitle_GotFocus(); });
  txtPath.OnGotFocus([this] { txtPath_GotFocus(); });
  txtCode.OnGotFocus([this] { txtCode_GotFocus(); });
  txtCode.OnKeyPress([this](std::int16_t& keyAscii) { txtCode_KeyPress(keyAscii); });
  // The close box cancels: the window goes and nothing is written. A request
  // while it is hidden (another program's) is refused, so it stays for reuse.
  window.OnCloseRequest([this](platform::UnloadMode) { return window.Visible(); });
}

formGame::~formGame() = default;

std::optional<CatalogueEntry> formGame::Edit(const CatalogueEntry& entry) {
  txtCode.SetText(entry.id);
  txtPath.SetText(entry.cardPath);
  txtTitle.SetText(entry.title);
  txtTitle.SetFocus();
  window.ShowModal(owner_);
  return std::exchange(saved_, std::nullopt);
}

int formGame::ShowMessage(const std::string& text, std::uint32_t style) {
  return platform_.dialogs.ShowMessage(window.Handle(), text, kAppTitle, style);
}

bool formGame::Refuse(const std::string& text, platform::TextBox& box) {
  ShowMessage(text, platform::kMbOk | platform::kMbIconInformation);
  box.SetFocus();
  return false;
}

void formGame::txtTitle_GotFocus() { SelectAll(txtTitle); }
void formGame::txtPath_GotFocus() { SelectAll(txtPath); }
void formGame::txtCode_GotFocus() { SelectAll(txtCode); }

void formGame::txtCode_KeyPress(std::int16_t& KeyAscii) {
  KeyAscii = entry::FilterCodeKey(KeyAscii);
}

bool formGame::ValidateEntry() {
  BlankLineBreaks(txtTitle);
  TrimBox(txtTitle);
  if (txtTitle.Text().empty()) return Refuse(entry::kEnterTitle, txtTitle);

  TrimBox(txtCode);
  const std::string id = txtCode.Text();
  if (!entry::HasRegionCode(id)) return Refuse(entry::kNoRegionCode, txtCode);
  if (!entry::HasIdFormat(id)) return Refuse(entry::kBadIdFormat, txtCode);

  // Blanks around the path count as bad characters: a good path has none to trim.
  if (InvalidPath(txtPath.Text())) return Refuse(entry::kInvalidCharacters, txtPath);
  const std::string path = txtPath.Text();
  if (NonEmptyFileExists(platform_.files, path)) return true;
  if (auto failure = platform_.files.Length(path).failure)
    return Refuse(entry::CardNotExamined(path, *failure), txtPath);

  if (ShowMessage(entry::kCreateCardQuestion,
                  platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes)
    CreateMemoryCard(platform_.files, path);
  if (NonEmptyFileExists(platform_.files, path)) return true;
  return Refuse(entry::kInvalidCard, txtPath);
}

bool formGame::InvalidPath(const std::string& path) { return entry::InvalidPath(path); }

std::string formGame::OpenDialog(platform::Window& Form1, const std::string& Filter,
                                 const std::string& Title, const std::string& InitDir) {
  std::string chosen;
  SkipOnFailure([&] {
    platform::OpenFileNameRecord record = MakeOpenFileRecord(
        Form1.Handle(), platform_.process.Instance(), Filter, Title, InitDir);
    const int result = platform_.dialogs.ShowOpenFileDialog(record);
    if (result > 0) chosen = ChosenFile(record.lpstrFile);
    // The player's choice would be dropped unexplained.
    if (result == platform::kFileNameTooLong)
      ShowMessage(entry::kFileNameTooLong,
                  platform::kMbOk | platform::kMbIconInformation);
    // Browse would do nothing, unexplained; the player hears why once.
    if (result == platform::kNoFileDialog && !std::exchange(toldNoFileDialog_, true))
      ShowMessage(entry::kFileDialogMissing,
                  platform::kMbOk | platform::kMbIconInformation);
  });
  return chosen;
}

void formGame::btnBrowse_Click() {
  SkipOnFailure([&] {
    std::string path =
        OpenDialog(window, kCardFilter, kBrowseTitle, platform_.process.ProgramFolder());
    if (!path.empty()) txtPath.SetText(path);
  });
}

void formGame::btnCancel_Click() { window.Close(); }

void formGame::btnSave_Click() {
  if (!ValidateEntry()) return;
  saved_ = CatalogueEntry{txtCode.Text(), txtTitle.Text(), txtPath.Text()};
  window.Close();
}

void formGame::btnGet_Click() {
  std::string id = discId_();
  if (id.empty()) {
    ShowMessage(entry::kIdNotFound, platform::kMbOk | platform::kMbIconInformation);
    return;
  }
  txtCode.SetText(id);
  if (txtTitle.Text().empty())
    txtTitle.SetText(entry::NewGameTitle(int(catalogue_.Count())));
  // A card that is already there is kept; otherwise one is named after the title.
  if (NonEmptyFileExists(platform_.files, txtPath.Text())) return;
  txtPath.SetText(entry::ProposedCardPath(txtTitle.Text()));
}

}  // namespace slotmate
