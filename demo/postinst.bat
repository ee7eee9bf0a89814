@echo off
rem Post-installation step of the demo package: records that it ran, in a file of its own
rem (cmd.exe opens a redirection without sharing, so a program writing the
rem install trace at the same moment would cost one of the two lines).
echo postinst.bat started, current directory %CD%>> "%~dp0postinst-trace.log"
