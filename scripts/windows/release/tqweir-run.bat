@echo off
rem Runs tqweir.exe in the case folder dropped onto this file (or named as
rem its first argument) and waits for a key, so the window does not vanish
rem before the message can be read. tqweir.exe shows the message line of
rem error.csv itself, in a form the console can show whatever its code page
rem (typing error.csv here would show its Shift-JIS bytes garbled on a
rem console that is not set to code page 932).
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
echo Exit status %status% ^(0 = finished, 1 = stopped: see error.csv^)
echo Results are in %CD%
popd
if not defined TQWEIR_NO_PAUSE pause
exit /b %status%
