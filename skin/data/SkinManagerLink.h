// What the skin data component asks of the process-wide skin manager. The
// manager's unit installs a factory; until it does there is no manager and
// the component only keeps its own state.
#pragma once

class TComponent;
class TSkinData;

// Commands handed to the manager, carried out on its timer after a delay.
enum TSkinCommand : int { scmSkin = 1, scmUnskin = 2, scmReskin = 3 };

class ISkinManager {
 public:
  virtual ~ISkinManager() = default;
  virtual void RegisterSkinData(TSkinData* data) = 0;
  virtual void UnregisterSkinData(TSkinData* data) = 0;
  virtual void InstallHook() = 0;
  virtual void PostCommand(TSkinCommand command, unsigned delayMs) = 0;
  virtual void SetCurrentSkinData(TSkinData* data) = 0;
  // Every form skin object of the current skin data drops its caption buttons.
  virtual void RefreshAll() = 0;
  virtual int RunCount() const = 0;
  virtual void SetRunCount(int count) = 0;
  virtual void SetSkinning(bool on) = 0;
  // Skins the window of a form now.
  virtual void SkinForm(TComponent* form) = 0;
};

using TSkinManagerFactory = ISkinManager* (*)();

// The manager's unit calls this once at start. The factory makes the single
// manager; it stays owned by that unit.
void SetSkinManagerFactory(TSkinManagerFactory factory);
// The manager if one exists.
ISkinManager* SkinManager();
// The manager, made by the factory when none exists yet; nullptr without one.
ISkinManager* CreateSkinManager();
// The manager tells this when it is destroyed at the end of the process.
void SkinManagerDestroyed();
