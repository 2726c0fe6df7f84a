// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window model in JSON, the form in which the web page's script reads it: the WindowView,
// the WindowReactions and a field's "Copy as" and "Paste as" menus, as window_view.schema.json
// beside this file states them (control places in pixels only, each edit field with its object
// name and naming labels, texts in the window's language). It writes text and decides
// nothing: every value comes from the model and the notations library.
#ifndef MENSORATOR_APP_WINDOW_VIEW_JSON_H
#define MENSORATOR_APP_WINDOW_VIEW_JSON_H

#include <string>
#include <string_view>

#include "app/window/window_behaviour.h"
#include "app/window/window_view.h"
#include "notations/field_notations.h"

// The description of `view` (the schema's root object).
std::string ViewJson(const WindowView& view);

// `reaction` with the page selection it leaves in `behaviour` (the schema's "reaction").
std::string ReactionJson(const WindowReaction& reaction, const WindowBehaviour& behaviour);

// The "Copy as" and "Paste as" menus of field `controlId` holding `fieldText`, in `language`
// (the schema's "fieldMenus").
std::string FieldMenusJson(std::string_view language, int controlId, std::string_view fieldText);

// What `result` puts into the field, or its message in `language` (the schema's "pasteAs").
std::string PasteAsJson(std::string_view language, const PasteAsResult& result);

#endif
