#pragma once
// The one radio image the program edits, and everything that follows from it: the
// band and limits, the current channel, the file name, undo and redo, and whether
// work is unsaved. Windows draw from it and hand input to it; it tells every
// observer when the image changes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "codec/frequency.h"
#include "image/radio_image.h"
#include "shell/model_band.h"

// What the user chose for this run; nothing here is saved between runs.
struct AppSettings {
  bool LangChinese = true;  // caption language: true Chinese, false English
  std::string VersionText = "Ver1.2";
  int ComPort = 1;  // serial port number 1..8
  // The device ComPort stands for, fixed when the port dialog is confirmed or at the
  // first transfer of the run; empty until then.
  std::string ComDevice;
  bool PortError = false;  // the last attempt to open the port failed
  // rt410-cps --port DEVICE: the device of every transfer of this run; empty without.
  std::string PortGiven;
  // The folder the channel file dialogs go to; empty until the user chose one in this run.
  std::string ChannFileDir;
  // The window whose section the Help window shows. It outlives the Help window so
  // that a language switch reopens the guide at the same place.
  std::string HelpTopic;

  // The chosen text of a Chinese/English pair.
  const char* Text(const char* chinese, const char* english) const {
    return LangChinese ? chinese : english;
  }
  // Status panel 3: "COM" and ComPort, or the device of --port.
  std::string PortPanelText() const {
    return PortGiven.empty() ? "COM" + std::to_string(ComPort) : PortGiven;
  }
};

// Where an image came from as it entered the document. Start: the image the program
// starts with (a file given at start-up).
enum class ImageSource { Start, New, Open, Read, Import, Undo, Redo, Band, Edit };

struct DocumentChange {
  ImageSource source;
};

// A fresh image: rows 0..255, columns 0..15 erased, then the defaults of rows 59
// and 60. Cells outside that block are left as they are.
void InitImageDefaults(RadioImage& image);
// The image the program starts with and File › New gives: zeroed, then the defaults.
RadioImage StartupImage();
// A channel whose receive frequency is erased is erased whole, as every editor shows it.
void NormaliseErasedChannels(RadioImage& image);

class RadioDocument {
 public:
  using Observer = std::function<void(const DocumentChange&)>;
  // Who made an edit: 0 for anyone, or a token for typing in one text box, whose
  // keystrokes in a row make one undo step.
  using Source = std::uintptr_t;
  static constexpr std::size_t kUndoSteps = 200;

  RadioDocument();

  const RadioImage& Image() const { return image_; }
  // For an editor's handler only, never while drawing: what it writes becomes an
  // undo step at the next Checkpoint.
  RadioImage& EditImage() {
    if (drawing_ > 0) ++editsWhileDrawing_;
    return image_;
  }
  // Windows draw from Image() alone. While a Drawing lives, a call of EditImage() is a
  // fault of the window that made it, and is counted.
  class Drawing {
   public:
    explicit Drawing(RadioDocument& doc) : doc_(doc) { ++doc_.drawing_; }
    ~Drawing() { --doc_.drawing_; }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

   private:
    RadioDocument& doc_;
  };
  bool IsDrawing() const { return drawing_ > 0; }
  int EditsWhileDrawing() const { return editsWhileDrawing_; }

  // The one place an image enters: erased channels and out-of-list feature values
  // normalised as the editors show them (NormaliseFeatureCells), the limits decoded
  // from row 59 (an erased or undecodable row keeps the current limits), one undo
  // step, and every observer told. A read or an opened file is also what is saved.
  void Enter(const RadioImage& image, ImageSource source);
  // The start-up image again (defaults, band 400-470): one undo step.
  void New();
  bool Undo();
  bool Redo();
  // The image as a user's action left it: a change since the last checkpoint is one
  // undo step (typing in the same box joins the step before). True when it recorded.
  bool Checkpoint(Source source = 0);

  // Revisions: every recorded change is a new revision; undo returns to an older one.
  std::uint64_t Revision() const { return revision_; }
  std::uint64_t SavedRevision() const { return savedRevision_; }
  // The image as it stands was saved to a file or written to or read from a radio.
  void MarkSaved();
  // Whether ending now would lose work.
  bool Unsaved() const;
  std::size_t UndoSteps() const { return undo_.size(); }
  std::size_t RedoSteps() const { return redo_.size(); }

  // Band and limits.
  Freq10Hz FreqLow() const { return limits_.low; }
  Freq10Hz FreqHigh() const { return limits_.high; }
  FreqRange Limits() const { return {limits_.low, limits_.high}; }
  int FreqLowInt() const { return lowInt_; }
  int FreqHighInt() const { return highInt_; }
  int BandIndex() const { return band_; }
  // The band edges in whole MHz that status panel 7 shows: those row 59 holds, or the
  // band's when row 59 holds none.
  std::array<int, 2> Edges() const;
  // The model dialog's choice: row 59 from the band table and limits up to one MHz
  // above the upper edge. Observers are told.
  void ApplyBand(int b);
  // Sets the limits (and, with a band, BandIndex and the Int pair) as a band rule says.
  void UseBand(const BandState& state);
  // The limits from the edges row 59 holds now, when it holds any (the options window's
  // range, confirmed).
  void LimitsFromRow59() { FollowRow59(false); }
  // The model code a write of this image stamps.
  int ModelCode() const;

  int Cur_Chann = 1;  // current channel 1..16 of the grid and the edit dialog
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }

  // Observers are called once per change, in the order added. Returns a handle for
  // RemoveObserver.
  int AddObserver(Observer observer);
  void RemoveObserver(int handle);

 private:
  struct Step {
    RadioImage image;
    std::uint64_t revision;
  };
  // The limits from row 59 and, for an image that enters, the band that holds them.
  void FollowRow59(bool entering = true);
  void Notify(ImageSource source);
  bool Move(std::deque<Step>& from, std::deque<Step>& to);

  RadioImage image_;
  RadioImage settled_;  // the image at the last checkpoint
  std::deque<Step> undo_;
  std::deque<Step> redo_;
  Source lastSource_ = 0;
  int drawing_ = 0;
  int editsWhileDrawing_ = 0;
  std::uint64_t revision_ = 0;
  std::uint64_t nextRevision_ = 1;
  std::uint64_t savedRevision_ = 0;
  BandLimits limits_;
  int band_ = 3;
  int lowInt_ = 400;
  int highInt_ = 470;
  std::array<std::uint8_t, 4> row59_{};  // row 59 as the limits were last decoded from it
  std::string fileName_;
  std::vector<std::pair<int, Observer>> observers_;
  int nextHandle_ = 1;
};
