// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window model in JSON, the form in which the web page's script reads it: the WindowView and
// the WindowReactions, as window_view.schema.json beside this file states them (control
// places in pixels only, each edit field with its object name and naming labels). It writes
// text and decides nothing: every value comes from the model.
#ifndef MENSORATOR_APP_WINDOW_VIEW_JSON_H
#define MENSORATOR_APP_WINDOW_VIEW_JSON_H

#include <string>

#include "app/window/window_behaviour.h"
#include "app/window/window_view.h"

// The description of `view` (the schema's root object).
std::string ViewJson(const WindowView& view);

// `reaction` with the page selection it leaves in `behaviour` (the schema's "reaction").
std::string ReactionJson(const WindowReaction& reaction, const WindowBehaviour& behaviour);

#endif
