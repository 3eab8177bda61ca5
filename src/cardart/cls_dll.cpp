#include "cls_dll.h"

#include "cardart/picture_store.h"
#include "cvdata/registry.h"

namespace cv {
namespace {

// The library's pixels stay the library's; the game keeps its own copy.
QImage ToImage(const CvPicture* picture) {
  if (!picture || !picture->Pixels || picture->Width <= 0 || picture->Height <= 0) return {};
  return QImage(reinterpret_cast<const uchar*>(picture->Pixels), picture->Width, picture->Height,
                picture->Width * 4, QImage::Format_ARGB32)
      .copy();
}

}  // namespace

clsDLL::clsDLL(const QString& fallbackDir) {
  const auto entered = cvdata::registry::Lookup(cvdata::registry::RegistryPath(), CVDATA_CLSID);
  if (entered && Bind(QString::fromStdString(*entered))) return;
  if (Bind(fallbackDir + "/libcvdata.so")) return;
  throw CardArtError(kCannotCreateComponent, "Can't create the card art component " CVDATA_CLSID);
}

clsDLL::~clsDLL() {
  if (cards_) cards_->lpVtbl->Release(cards_);
  if (canUnload_ && canUnload_() == CV_S_OK) library_.unload();
}

bool clsDLL::Bind(const QString& path) {
  library_.setFileName(path);
  if (!library_.load()) return false;
  auto create = reinterpret_cast<DllGetClassObjectFn>(library_.resolve("DllGetClassObject"));
  canUnload_ = reinterpret_cast<DllCanUnloadNowFn>(library_.resolve("DllCanUnloadNow"));
  if (create && canUnload_ && create(CVDATA_CLSID, CVDATA_IID, &cards_) == CV_S_OK && cards_) return true;
  cards_ = nullptr;
  canUnload_ = nullptr;
  library_.unload();
  return false;
}

void clsDLL::Check(CvResult result) {
  if (result < 0) throw CardArtError(result, cards_->lpVtbl->GetErrorDescription(cards_));
}

int16_t clsDLL::GetBacksQuantity() {
  int16_t n = 0;
  Check(cards_->lpVtbl->GetNumberOfBacks(cards_, &n));
  return n;
}

QImage clsDLL::CardImage(int16_t index) {
  const CvPicture* picture = nullptr;
  Check(cards_->lpVtbl->SetCardImage(cards_, index, &picture));
  return ToImage(picture);
}

QImage clsDLL::CardBack(int16_t index, bool small) {
  const CvPicture* picture = nullptr;
  Check(cards_->lpVtbl->SetCardBack(cards_, index, small ? -1 : 0, &picture));
  return ToImage(picture);
}

QColor clsDLL::BackColor(int16_t index) {
  uint32_t colour = 0;
  Check(cards_->lpVtbl->GetBackColor(cards_, index, &colour));
  return QColor(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
}

void clsDLL::GetCardFaces(int16_t faceStyle, PictureStore& store) {
  switch (faceStyle) {
    case 1: store.ResetFaceSheet(); break;
    case 2: store.SetFaceSheet(CardImage(1)); break;
    case 3: store.SetFaceSheet(CardImage(0)); break;
    default: break;
  }
}

void clsDLL::GetCardBacks(int16_t backStyle, PictureStore& store) {
  store.SetCurrentBack(backStyle == 0 ? store.BuiltinBack() : CardBack(static_cast<int16_t>(backStyle - 1), false));
}

void clsDLL::GetCardBacks(int16_t backStyle, BackPictures& dialog, int16_t k, bool small) {
  const auto index = static_cast<int16_t>(backStyle - 1);
  const QImage back = CardBack(index, small);
  if (k == 99)
    dialog.SetBackPreview(back, BackColor(index));
  else
    dialog.SetBackPicture(k, back);
}

}  // namespace cv
