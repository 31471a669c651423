#pragma once

#include "core/web_images.h"
#include "makers/slideshow/slideshow_page.h"

// The slideshow for today's browsers: the same console, with one rotation
// timer whatever the Start/Stop clicks, arrow keys that step, the sound as a
// looping <audio> with its own play/pause control that starts on the
// visitor's first interaction where autoplay is blocked, and the right-click
// message shown once per click in place of the context menu. Refuses what
// Make Code and Publish refuse.
SlideshowPage modernSlideshowPage(const SlideshowSettings& settings);
// The same page with every file referred to by its bare, URL-encoded name.
// Given the slide images as published for the web, each slide is a picture
// of its own: WebP first, with width and height, the first loaded at once and
// the others when they are about to be shown.
SlideshowPage modernPublishedSlideshowPage(const SlideshowSettings& settings,
                                           const WebImages& images = {});
