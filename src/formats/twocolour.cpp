#include "twocolour.h"

#include <algorithm>

namespace {

// How one pixel's extent along an axis falls into cells. With S pixels and C cells, measured in
// units of 1 / (S C): pixel p spans [p C, (p + 1) C) and cell c spans [c S, (c + 1) S). As C <= S,
// a pixel overlaps one cell or two neighbours; the weights are the lengths of the overlaps.
struct Share {
    int cell = 0;
    std::uint64_t first = 0;  // into `cell`
    std::uint64_t second = 0; // into `cell + 1`
};

std::vector<Share> sharesAlong(int pixels, int cells) {
    std::vector<Share> shares(static_cast<std::size_t>(pixels));
    const std::uint64_t length = static_cast<std::uint64_t>(pixels);
    const std::uint64_t step = static_cast<std::uint64_t>(cells);
    for (std::uint64_t p = 0; p < length; ++p) {
        Share& share = shares[p];
        const std::uint64_t start = p * step;
        const std::uint64_t cell = start / length;
        share.cell = static_cast<int>(cell);
        share.first = std::min(start + step, (cell + 1) * length) - start;
        share.second = step - share.first;
    }
    return shares;
}

// Weighted sums over each cell's footprint: of the shades of its opaque pixels, and of their area.
struct CellSums {
    std::vector<std::uint64_t> shade;
    std::vector<std::uint64_t> opaqueArea;
};

CellSums sumCells(const GreyPicture& picture, CellsSize cells) {
    const std::vector<Share> across = sharesAlong(picture.width, cells.width);
    const std::vector<Share> down = sharesAlong(picture.height, cells.height);
    const std::size_t cellCount = static_cast<std::size_t>(cells.width) * cells.height;
    CellSums sums{std::vector<std::uint64_t>(cellCount), std::vector<std::uint64_t>(cellCount)};
    std::vector<std::uint64_t> rowShade(static_cast<std::size_t>(cells.width) + 1);
    std::vector<std::uint64_t> rowArea(rowShade.size());

    for (int y = 0; y < picture.height; ++y) {
        std::fill(rowShade.begin(), rowShade.end(), 0);
        std::fill(rowArea.begin(), rowArea.end(), 0);
        const std::size_t rowStart = static_cast<std::size_t>(y) * picture.width;
        // Without a branch: a see-through pixel adds nothing, as its weight is multiplied by 0.
        const std::uint8_t* luma = picture.luma.data() + rowStart;
        const std::uint8_t* opaque = picture.opaque.data() + rowStart;
        for (int x = 0; x < picture.width; ++x) {
            const Share& share = across[x];
            const std::uint64_t first = share.first * opaque[x];
            const std::uint64_t second = share.second * opaque[x];
            rowShade[share.cell] += luma[x] * first;
            rowArea[share.cell] += first;
            rowShade[share.cell + 1] += luma[x] * second;
            rowArea[share.cell + 1] += second;
        }
        const Share& share = down[y];
        for (int row = share.cell; row <= share.cell + 1 && row < cells.height; ++row) {
            const std::uint64_t weight = row == share.cell ? share.first : share.second;
            const std::size_t cellRow = static_cast<std::size_t>(row) * cells.width;
            for (int column = 0; column < cells.width; ++column) {
                sums.shade[cellRow + column] += rowShade[column] * weight;
                sums.opaqueArea[cellRow + column] += rowArea[column] * weight;
            }
        }
    }
    return sums;
}

// Floyd-Steinberg over the cells' average shades, top to bottom, each row in the other direction
// from the one before. Going one way only, the error of a thin line on a light ground drifts
// with the scan until it leaves the picture, and the line with it. A see-through cell stays clear
// and takes and passes on no error.
std::vector<std::uint8_t> ditheredCells(const CellSums& sums, const std::vector<bool>& seeThrough,
                                        CellsSize cells, int threshold) {
    std::vector<std::uint8_t> out(sums.shade.size(), 0);
    // Errors waiting for this row and the next, one spare place on each side.
    std::vector<double> here(static_cast<std::size_t>(cells.width) + 2, 0.0);
    std::vector<double> below(here.size(), 0.0);
    for (int y = 0; y < cells.height; ++y) {
        const bool leftward = y % 2 == 1;
        for (int step = 0; step < cells.width; ++step) {
            const int x = leftward ? cells.width - 1 - step : step;
            const std::size_t index = static_cast<std::size_t>(y) * cells.width + x;
            const std::size_t at = static_cast<std::size_t>(x) + 1;
            if (seeThrough[index]) {
                continue;
            }
            const double shade = static_cast<double>(sums.shade[index]) /
                                     static_cast<double>(sums.opaqueArea[index]) +
                                 here[at];
            const bool set = shade < threshold;
            out[index] = set ? 1 : 0;
            const double error = shade - (set ? 0.0 : 255.0);
            const std::size_t ahead = leftward ? at - 1 : at + 1;
            const std::size_t behind = leftward ? at + 1 : at - 1;
            here[ahead] += error * 7 / 16;
            below[behind] += error * 3 / 16;
            below[at] += error * 5 / 16;
            below[ahead] += error * 1 / 16;
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), 0.0);
    }
    return out;
}

} // namespace

CellsSize fittedSize(int width, int height, int boxWidth, int boxHeight) {
    if (width <= boxWidth && height <= boxHeight) {
        return {width, height};
    }
    const std::int64_t w = width;
    const std::int64_t h = height;
    // Whichever side reaches the box first sets the scale.
    if (w * boxHeight >= h * boxWidth) {
        return {boxWidth, static_cast<int>(std::max<std::int64_t>(1, h * boxWidth / w))};
    }
    return {static_cast<int>(std::max<std::int64_t>(1, w * boxHeight / h)), boxHeight};
}

std::vector<std::uint8_t> twoColourCells(const GreyPicture& picture, CellsSize cells,
                                         const CutSettings& settings) {
    const CellSums sums = sumCells(picture, cells);
    // Every cell's footprint measures width x height units of 1 / (cells.width x cells.height).
    const std::uint64_t footprint = static_cast<std::uint64_t>(picture.width) * picture.height;
    std::vector<bool> seeThrough(sums.shade.size());
    for (std::size_t index = 0; index < seeThrough.size(); ++index) {
        seeThrough[index] = sums.opaqueArea[index] * 2 < footprint;
    }

    std::vector<std::uint8_t> out;
    if (settings.dither) {
        out = ditheredCells(sums, seeThrough, cells, settings.threshold);
    } else {
        out.assign(sums.shade.size(), 0);
        const auto threshold = static_cast<std::uint64_t>(settings.threshold);
        for (std::size_t index = 0; index < out.size(); ++index) {
            // shade / area < threshold, exactly.
            out[index] =
                !seeThrough[index] && sums.shade[index] < threshold * sums.opaqueArea[index];
        }
    }
    if (settings.invert) {
        for (std::size_t index = 0; index < out.size(); ++index) {
            out[index] = !seeThrough[index] && !out[index];
        }
    }
    return out;
}
