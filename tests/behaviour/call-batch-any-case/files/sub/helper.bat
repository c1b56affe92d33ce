@echo in sub\helper %1
