// The page's script: ESLint's recommended rules, which hold undefined and
// unused names as errors, over ES modules that run in a browser.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['page/**/*.js'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'module',
      globals: {
        ...globals.browser,
        // Made by the compiled module's own script, which the page loads first.
        createTarvelModule: 'readonly',
      },
    },
  },
];
