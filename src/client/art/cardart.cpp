// The picture cache: each picture is drawn once per device pixel ratio and
// kept while its ratio is among the last few in use (a window dragged
// through many zooms would otherwise keep every size it passed). std::map
// keeps references to its values valid while other pictures are added,
// which callers rely on; only a ratio no longer in use goes.
#include "client/art/cardart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "client/art/cardart_draw.h"

namespace velmora::client::art {
namespace {

enum class Kind { BigCard, SmallCard, GroupLabel, StageTrack, Fixed };

using Key = std::tuple<Kind, int, int>;  // kind, index, ratio in hundredths

std::map<Key, QPixmap>& cache() {
    static std::map<Key, QPixmap> pictures;
    return pictures;
}

int ratioKey(qreal ratio) { return static_cast<int>(std::lround(saneRatio(ratio) * 100)); }

// The ratios in use, the latest last; the oldest one's pictures go when one
// more comes.
constexpr std::size_t kKeptRatios = 6;

void useRatio(int key) {
    static std::vector<int> used;
    if (!used.empty() && used.back() == key) return;
    if (auto it = std::find(used.begin(), used.end(), key); it != used.end()) used.erase(it);
    used.push_back(key);
    if (used.size() <= kKeptRatios) return;
    const int oldest = used.front();
    used.erase(used.begin());
    std::erase_if(cache(), [oldest](const auto& entry) { return std::get<2>(entry.first) == oldest; });
}

QPixmap render(QSize logical, qreal ratio, const std::function<void(QPainter&)>& paint) {
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio - 0.01)),
                       static_cast<int>(std::ceil(logical.height() * ratio - 0.01)));
    QPixmap pm(device);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    if (!paint) return pm;
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    paint(p);
    return pm;
}

const QPixmap& cached(Kind kind, int index, qreal ratio, QSize logical,
                      const std::function<void(QPainter&)>& paint) {
    const int key = ratioKey(ratio);
    useRatio(key);
    auto [it, isNew] = cache().try_emplace(Key{kind, index, key});
    if (isNew) it->second = render(logical, key / 100.0, paint);
    return it->second;
}

bool isFace(int index) { return index >= 0 && index <= kSkip; }

const QPixmap& card(Kind kind, int index, qreal ratio) {
    const QSize size = kind == Kind::BigCard ? kBigCardSize : kSmallCardSize;
    if (!isFace(index)) index = 0;
    return cached(kind, index, ratio, size, [index, size](QPainter& p) {
        if (index == 0)
            detail::paintCardBack(p, size);
        else
            detail::paintCardFace(p, size, index);
    });
}

}  // namespace

qreal saneRatio(qreal ratio) {
    if (!std::isfinite(ratio)) return 1.0;
    return std::clamp(ratio, 0.5, 8.0);
}

const QPixmap& bigCard(int index, qreal ratio) { return card(Kind::BigCard, index, ratio); }

const QPixmap& smallCard(int index, qreal ratio) { return card(Kind::SmallCard, index, ratio); }

const QPixmap& groupLabel(int kind, qreal ratio) {
    if (kind == 0) kind = kSet;
    if (kind < kSet || kind > kColor) return cached(Kind::GroupLabel, -1, ratio, kGroupLabelSize, {});
    return cached(Kind::GroupLabel, kind, ratio, kGroupLabelSize,
                  [kind](QPainter& p) { detail::paintGroupLabel(p, kind); });
}

const QPixmap& stageTrack(int crossed, qreal ratio) {
    if (crossed < 0 || crossed > 10) return cached(Kind::StageTrack, -1, ratio, kStageTrackSize, {});
    return cached(Kind::StageTrack, crossed, ratio, kStageTrackSize,
                  [crossed](QPainter& p) { detail::paintStageTrack(p, crossed); });
}

QSize fixedSize(Fixed which) {
    switch (which) {
    case Fixed::DrawPile: return kBigCardSize;
    case Fixed::TurnMarker:
    case Fixed::SkippedMarker: return {20, 59};
    case Fixed::NotPlaying:
    case Fixed::Waiting: return {108, 17};
    case Fixed::Eyes: return {23, 10};
    case Fixed::StartGame:
    case Fixed::CreateStage: return {115, 34};
    case Fixed::Discard:
    case Fixed::PickUp:
    case Fixed::Draw: return {60, 18};
    case Fixed::ChatBox:
    case Fixed::StageList: return {96, 21};
    case Fixed::GameLog: return {64, 21};
    }
    return {};
}

const QPixmap& picture(Fixed which, qreal ratio) {
    const int index = static_cast<int>(which);
    if (index < 0 || index >= kFixedCount) return cached(Kind::Fixed, -1, ratio, {1, 1}, {});
    if (which == Fixed::DrawPile) return bigCard(0, ratio);
    return cached(Kind::Fixed, index, ratio, fixedSize(which),
                  [which](QPainter& p) { detail::paintFixed(p, which); });
}

void prepare(qreal ratio) {
    for (int i = 0; i <= kSkip; ++i) {
        bigCard(i, ratio);
        smallCard(i, ratio);
    }
    for (int kind = kSet; kind <= kColor; ++kind) groupLabel(kind, ratio);
    for (int crossed = 0; crossed <= 10; ++crossed) stageTrack(crossed, ratio);
    for (int i = 0; i < kFixedCount; ++i) picture(static_cast<Fixed>(i), ratio);
}

int cachedCount() { return static_cast<int>(cache().size()); }

}  // namespace velmora::client::art

namespace velmora::client::art::detail {

void forgetAllForBenchmark() { cache().clear(); }

}  // namespace velmora::client::art::detail
