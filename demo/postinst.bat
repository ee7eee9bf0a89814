@echo off
rem Post-installation step of the demo package: records that it ran.
echo postinst.bat started, current directory %CD%>> "%~dp0install-trace.log"
