#pragma once
// An application on the headless back-end, with the back-end at hand for
// queuing actions and reading the message boxes shown.
#include <gtest/gtest.h>

#include <memory>

#include "forms/application.h"
#include "forms/headless.h"

class HeadlessTest : public testing::Test {
 protected:
  HeadlessTest()
      : backend_(new forms::HeadlessBackend),
        app(std::unique_ptr<forms::Backend>(backend_), "/opt/tivra/tivra") {}

  forms::HeadlessBackend& backend() { return *backend_; }

 private:
  forms::HeadlessBackend* backend_;  // owned by app

 protected:
  forms::Application app;
};
