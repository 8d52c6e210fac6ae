// SPDX-License-Identifier: GPL-3.0-or-later
// Where the parts of a skinned scroll bar lie along its length, which part a point hits, and
// where a thumb drag puts the position. No toolkit: plain integer arithmetic, the divisions
// truncating.
#pragma once

namespace vorlak {

// The standard scroll requests, numbered as the scroll messages number them.
enum class ScrollRequest {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// A scroll bar's state as the scroll messages carry it: the range minimum...maximum, the page
// and the position; the track position is the thumb's place during a drag, -1 otherwise.
struct ScrollInfo {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    int trackPosition = -1;

    // The positions the thumb can take beyond the minimum, plus one: span - page + 1.
    int Travel() const { return maximum - minimum - page + 1; }
    bool operator==(const ScrollInfo&) const = default;
};

// The parts a point can hit, numbered like the requests they send.
enum class ScrollPart {
    None = -1,
    FirstArrow = 0,
    SecondArrow = 1,
    TrackBefore = 2,
    TrackAfter = 3,
    Thumb = 5,
};

// Tracks shorter than this show no thumb; a thumb is never shorter.
inline constexpr int kMinThumbLength = 12;

// The parts along a bar of `length` pixels: the first arrow [0, arrow), the track before the
// thumb [arrow, thumbOffset), the thumb [thumbOffset, thumbOffset + thumbLength), the track
// after it up to length - arrow, then the second arrow.
struct ScrollBarGeometry {
    int length = 0;
    int arrow = 0;
    int thumbOffset = 0;
    int thumbLength = 0;

    int SecondArrowStart() const { return length - arrow; }
    int ThumbEnd() const { return thumbOffset + thumbLength; }
};

// `cell` is the skin's cell width: the bar's thickness and its arrows' length. A bar shorter
// than two arrows gets two arrows of half its length; a track shorter than 12 pixels no thumb.
ScrollBarGeometry LayOutScrollBar(int length, int cell, const ScrollInfo& info);

// The part under `p`, measured along the bar from its start.
ScrollPart HitTestScrollBar(const ScrollBarGeometry& geometry, int p);

// The position a thumb drag reaches after moving `delta` pixels from where it started at
// `dragStart`, between the minimum and the last full page.
int ThumbDragPosition(int length, int cell, const ScrollInfo& info, int dragStart, int delta);

}  // namespace vorlak
