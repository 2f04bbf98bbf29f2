#include "window/definition/validate.h"

#include <unordered_set>
#include <vector>

#include "window/definition/layout.h"
#include "window/definition/records.h"

namespace qor::win {
namespace {

namespace L = layout;

// Group boxes may hold group boxes; deeper nesting than this is no sensible window.
constexpr uint32_t kMaxNesting = 32;

class Validator {
 public:
  explicit Validator(const DefinitionBuffer& buffer) : buffer_(buffer) { IndexNuls(); }

  bool Run() {
    if (!buffer_.Fits(L::kFirstRecordField, 4)) return false;
    pending_.push_back({buffer_.FirstRecord(), 0});
    while (!pending_.empty()) {
      Chain chain = pending_.back();
      pending_.pop_back();
      if (!WalkChain(chain)) return false;
    }
    return true;
  }

 private:
  struct Chain {
    uint32_t first;
    uint32_t depth;  // 0: window records; 1: a window's controls; more: inside group boxes
  };

  // For each position, whether a NUL follows at or after it: lets every string check
  // take constant time however many strings share one long tail.
  void IndexNuls() {
    auto bytes = buffer_.Bytes();
    nulFollows_.assign(bytes.size() + 1, false);
    for (size_t i = bytes.size(); i-- > 0;) nulFollows_[i] = bytes[i] == 0 || nulFollows_[i + 1];
  }

  bool String(uint32_t fieldAt) const {
    uint32_t at = buffer_.U32(fieldAt);
    return at == 0 || (at < buffer_.Size() && nulFollows_[at]);
  }

  bool Strings(uint32_t record, std::initializer_list<uint32_t> fields) const {
    for (uint32_t field : fields)
      if (!String(record + field)) return false;
    return true;
  }

  bool Font(uint32_t fieldAt) const {
    uint32_t at = buffer_.U32(fieldAt);
    if (at == 0) return true;
    return buffer_.Fits(at, L::font::kSize) && String(at + L::font::kFace);
  }

  bool EntryList(uint32_t fieldAt) const {
    std::unordered_set<uint32_t> seen;
    for (uint32_t at = buffer_.U32(fieldAt); at != 0; at = buffer_.U32(at + L::entry::kNext)) {
      if (!buffer_.Fits(at, L::entry::kSize) || !seen.insert(at).second) return false;
    }
    return true;
  }

  bool InsideOrZero(uint32_t fieldAt) const {
    uint32_t at = buffer_.U32(fieldAt);
    return at == 0 || at < buffer_.Size();
  }

  bool WalkChain(Chain chain) {
    if (chain.depth > kMaxNesting) return false;
    for (uint32_t at = chain.first; at != 0; at = buffer_.U32(at + L::kNext)) {
      if (!visited_.insert(at).second) return false;  // a loop, or a record in two lists
      if (!buffer_.Fits(at, L::kHeaderSize)) return false;
      std::optional<RecordLayout> layout = LayoutOf(buffer_.U8(at + L::kType));
      if (!layout || (*layout == RecordLayout::kWindow) != (chain.depth == 0)) return false;
      if (!buffer_.Fits(at, RecordSize(*layout)) || !Record(at, *layout, chain.depth)) return false;
    }
    return true;
  }

  bool Record(uint32_t at, RecordLayout layout, uint32_t depth) {
    switch (layout) {
      case RecordLayout::kWindow: return Window(at, depth);
      case RecordLayout::kText:
      case RecordLayout::kString:
        return Strings(at, {L::text::kText, L::text::kCursor, L::text::kFurther}) && Font(at + L::text::kFont);
      case RecordLayout::kButton:
      case RecordLayout::kGroup: return Button(at, layout == RecordLayout::kGroup, depth);
      case RecordLayout::kEntry:
      case RecordLayout::kCheck:
      case RecordLayout::kList:
      case RecordLayout::kSpin: return Field(at, layout);
      case RecordLayout::kOther: return true;
    }
    return false;
  }

  bool Window(uint32_t at, uint32_t depth) {
    namespace W = L::window;
    if (!Strings(at, {W::kLabel, W::kTitle, W::kIcon, W::kCursor}) || !Font(at + W::kFont)) return false;
    if (!EntryList(at + W::kEntries) || !InsideOrZero(at + W::kMenu) || !InsideOrZero(at + W::kToolbar))
      return false;
    pending_.push_back({buffer_.U32(at + W::kFirstControl), depth + 1});
    return true;
  }

  bool Texts(uint32_t block) const {
    namespace T = L::texts;
    return Strings(block, {T::kAltText, T::kHelp, T::kSecond, T::kCursor, T::kFurther, T::kText}) &&
           Font(block + T::kFont) && EntryList(block + T::kEntries);
  }

  bool Button(uint32_t at, bool group, uint32_t depth) {
    namespace B = L::button;
    if (!Texts(at + B::kTexts)) return false;
    if (!group) return String(at + B::kIcon);
    pending_.push_back({buffer_.U32(at + B::kFirstChild), depth + 1});
    return true;
  }

  bool Field(uint32_t at, RecordLayout layout) {
    namespace F = L::field;
    uint32_t use = buffer_.U32(at + F::kUse);
    if (use == 0 || !buffer_.Fits(use, L::use::kSize)) return false;
    if (!Texts(at + F::kTexts)) return false;
    return layout != RecordLayout::kSpin || InsideOrZero(at + F::kListSource);
  }

  const DefinitionBuffer& buffer_;
  std::vector<bool> nulFollows_;
  std::unordered_set<uint32_t> visited_;
  std::vector<Chain> pending_;
};

}  // namespace

bool ValidateDefinition(const DefinitionBuffer& buffer) {
  return Validator(buffer).Run();
}

}  // namespace qor::win
