@echo off
rem Runs tqweir.exe in the case folder dropped onto this file (or named as
rem its first argument), shows the message left in error.csv and waits for a
rem key, so the window does not vanish before it can be read.
setlocal
if "%~1"=="" (
  echo Drag a case folder onto this file, or run: tqweir-run.bat CASE_FOLDER
  if not defined TQWEIR_NO_PAUSE pause
  exit /b 2
)
if not exist "%~1\" (
  echo Not a folder: %1
  if not defined TQWEIR_NO_PAUSE pause
  exit /b 2
)
pushd "%~1"
"%~dp0tqweir.exe"
set status=%errorlevel%
echo.
if exist error.csv type error.csv
echo.
echo Exit status %status% ^(0 = finished, 1 = stopped: see error.csv^)
echo Results are in %CD%
popd
if not defined TQWEIR_NO_PAUSE pause
exit /b %status%
